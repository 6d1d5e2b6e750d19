#!/usr/bin/env bash
# A label with a change rule (SetCaptionRule) changes its caption only through SetCaption,
# which sizes and places it; a direct setText or clear on it leaves the label at the size of
# its last caption. Lists every line that names such a label and writes its text directly.
# A game's rules hold in its own folder (another game's label of the same name may have none);
# the frame's hold everywhere.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
registered() {
    grep -rhoE 'SetCaptionRule\([^,]+, *"[A-Za-z0-9_]+"' "$1" 2>/dev/null |
        sed -E 's/.*"([A-Za-z0-9_]+)"/\1/' | sort -u || true
}
check() { # names, then the folders they hold in
    local names=$1
    shift
    for name in $names; do
        if grep -rnE "\"$name\"[^;]*->(setText|clear)\(" "$@"; then status=1; fi
    done
}
check "$(registered frame)" frame games
for game in games/*/; do
    check "$(registered "$game")" "$game"
done
[ "$status" = 0 ] || echo "captions with a change rule written directly (use SetCaption)" >&2
[ "$status" = 0 ] && echo "captions: every caption with a change rule is written through SetCaption"
exit $status
