#!/usr/bin/env bash
# Builds the 64-bit Kestrane and runs it under Wine. With a display, the window opens
# there. Without one, a private Xvfb stands in: the script waits for the window and its
# first ticks, saves a screenshot of each of the seven pages and exits. KESTRANE_DPI=144
# runs it on a display of 144 dots per inch (a prefix of its own).
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh"
source "$here/common.sh"
cd "$KESTRANE_ROOT"
dpi="${KESTRANE_DPI:-96}"
[ "$dpi" = 96 ] || export WINEPREFIX="$KESTRANE_BUILD/wineprefix-$dpi"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Kestrane
exe="$KESTRANE_BUILD/win64/Kestrane.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    make_prefix "$dpi"
    exec "$WINE64" "$exe"
fi

shots="$KESTRANE_BUILD/screenshots"
[ "$dpi" = 96 ] || shots="$shots-$dpi"
trap 'kill "${app:-}" 2>/dev/null || true; stop_session' EXIT
start_xvfb
make_prefix "$dpi"
start_wineserver
"$WINE64" "$exe" &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kestrane$' | head -n 1)
# The processor report and the memory figures come with the first ticks; a few seconds let
# the one-second timer fill the disk and other pages too.
sleep 3
rm -rf "$shots"
mkdir -p "$shots"
names=(processor memory disk system printer other about)
for page in "${!names[@]}"; do
    # Seven fixed-width tabs of 51 pixels from x = 4; the window has no frame without a
    # window manager, so client and window coordinates differ by a pixel or two only.
    xdotool mousemove --window "$window" $(((4 + page * 51 + 25) * dpi / 96)) $((12 * dpi / 96)) click 1
    # A page change restarts the memory chart: let it draw ten seconds of its lines.
    if [ "${names[$page]}" = memory ]; then sleep 10; else sleep 0.6; fi
    import -window "$window" "$shots/$page-${names[$page]}.png"
done
echo "screenshots of every page: $shots"
