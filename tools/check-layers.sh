#!/usr/bin/env bash
# Each source folder includes only from itself and the folders below it:
# platform < services < dialogs < frame < games < app. Prints every include that breaks it.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(platform services dialogs frame games app)
status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    higher=("${layers[@]:i+1}")
    [ ${#higher[@]} -eq 0 ] && continue
    pattern="#include \"($(IFS='|'; echo "${higher[*]}"))/"
    if grep -rnE "$pattern" "${layers[i]}" --include='*.cpp' --include='*.h'; then status=1; fi
done
# A game is its folder: no game includes another.
for game in games/*/; do
    name=$(basename "$game")
    if grep -rn '#include "games/' "$game" | grep -v "\"games/$name/"; then status=1; fi
done
[ $status -eq 0 ] && echo "layers: no include reaches up or into another game"
exit $status
