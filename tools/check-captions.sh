#!/usr/bin/env bash
# A label with a change rule (SetCaptionRule) changes its caption only through SetCaption,
# which sizes and places it; a direct setText or clear on it leaves the label at the size of
# its last caption. Lists every line that names such a label and writes its text directly.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
names=$(grep -rhoE 'SetCaptionRule\([^,]+, *"[A-Za-z0-9_]+"' frame games 2>/dev/null |
    sed -E 's/.*"([A-Za-z0-9_]+)"/\1/' | sort -u || true)
for name in $names; do
    if grep -rnE "\"$name\"[^;]*->(setText|clear)\(" frame games; then status=1; fi
done
[ "$status" = 0 ] || echo "captions with a change rule written directly (use SetCaption)" >&2
[ "$status" = 0 ] && echo "captions: every caption with a change rule is written through SetCaption"
exit $status
