#!/usr/bin/env bash
# The windows draw only in faces the program installs: every window rendered on this
# machine's fonts must come out byte for byte as rendered with every font hidden but those of
# the program's own font packages (fonts-dejavu-core, fonts-dejavu-extra). A face left to
# fontconfig's substitution (Nimbus Sans or Liberation Sans for "Arial") shows as a difference
# wherever the machine has such fonts.
#   tools/compare-font-renders.sh path/to/parlovex_render
set -euo pipefail
render=${1:?usage: $0 path/to/parlovex_render}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# A glob also filters the folders fontconfig walks into: the ones leading to the DejaVu
# faces are accepted, or it never reaches them.
cat >"$work/own-fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont>
    <acceptfont>
      <glob>/usr/share/fonts/truetype</glob>
      <glob>/usr/share/fonts/truetype/dejavu</glob>
      <glob>/usr/share/fonts/truetype/dejavu/*</glob>
    </acceptfont>
    <rejectfont><glob>*</glob></rejectfont>
  </selectfont>
</fontconfig>
CONF

own_faces=$(FONTCONFIG_FILE="$work/own-fonts.conf" fc-list : family | sort -u | paste -sd ';')
case "$own_faces" in
*"DejaVu Sans"*) ;;
*)
    echo "no DejaVu Sans with the other fonts hidden (found: ${own_faces:-nothing})" >&2
    exit 1
    ;;
esac

"$render" "$work/machine" >"$work/machine.log" 2>&1 || {
    cat "$work/machine.log" >&2
    exit 1
}
FONTCONFIG_FILE="$work/own-fonts.conf" "$render" "$work/own" >"$work/own.log" 2>&1 || {
    cat "$work/own.log" >&2
    exit 1
}

status=0
count=0
for picture in "$work"/machine/*.png; do
    name=$(basename "$picture")
    count=$((count + 1))
    if [ ! -f "$work/own/$name" ]; then
        echo "only on the machine's fonts: $name"
        status=1
    elif ! cmp -s "$picture" "$work/own/$name"; then
        echo "differs: $name"
        status=1
    fi
done
for picture in "$work"/own/*.png; do
    name=$(basename "$picture")
    [ -f "$work/machine/$name" ] || {
        echo "only on the program's fonts: $name"
        status=1
    }
done
if [ "$count" -eq 0 ]; then
    echo "no pictures rendered" >&2
    exit 1
fi
if [ "$status" = 0 ]; then
    echo "fonts: $count pictures the same on this machine's fonts as on the program's own"
else
    echo "pictures drawn in faces the program does not install (machine's fonts:" \
        "$(fc-match -f '%{family}' Arial) for Arial)" >&2
fi
exit $status
