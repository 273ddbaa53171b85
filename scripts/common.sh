# Shared by the run and test commands: paths, the Wine environment, Xvfb and the prefix.
# Source it; it defines functions and exports the Wine variables, and starts nothing.

KESTRANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KESTRANE_BUILD="$KESTRANE_ROOT/build"
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

export WINEPREFIX="${WINEPREFIX:-$KESTRANE_BUILD/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers, no desktop menu entries, and no debugger: with winedbg a
# crashing program can exit with 0 and a crash would pass as success.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

# Starts a private Xvfb on a free display and exports DISPLAY. Its pid goes to XVFB_PID.
start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 1 100); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                echo "$DISPLAY" >"$KESTRANE_BUILD/display"
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

# Makes the Wine prefix once per build tree: Chinese glyphs come from a CJK font linked
# behind Arial and Tahoma, as Windows links its own fonts. The first argument is the
# display's dots per inch (Windows' "LogPixels"), 96 by default; the second, "classic",
# switches off the visual style that Wine draws with by default (its light theme).
make_prefix() {
    local dpi="${1:-96}" look="${2:-themed}"
    [ -f "$WINEPREFIX/.kestrane-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
    for face in Arial Tahoma "MS Sans Serif" "Microsoft Sans Serif"; do
        "$WINE64" reg add "$key" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    if [ "$dpi" != 96 ]; then
        "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    fi
    if [ "$look" = classic ]; then
        "$WINE64" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f \
            >/dev/null 2>&1
    fi
    "$WINESERVER" -w
    touch "$WINEPREFIX/.kestrane-ready"
}

# Drives for the probe tests, made while no wineserver runs (Wine reads labels and serials
# when it starts): K: is a folder of the build tree with a label, a serial and the sizes
# Linux reports for its file system; M: points at a folder that does not exist.
make_drive_fixtures() {
    local folder="$KESTRANE_BUILD/drive-k"
    mkdir -p "$folder"
    printf 'Kestrane 测试' >"$folder/.windows-label"
    printf '1234abcd' >"$folder/.windows-serial"
    ln -sfn "$folder" "$WINEPREFIX/dosdevices/k:"
    ln -sfn "$KESTRANE_BUILD/no-such-folder" "$WINEPREFIX/dosdevices/m:"
    # Total and free bytes (for unprivileged users) as Linux sees them.
    stat -f -c '%b %a %S' "$folder" | awk '{ printf "%.0f %.0f\n", $1 * $3, $2 * $3 }' >"$folder/linux-sizes.txt"
}

# Keeps one wineserver for the whole run, detached from any pipe of ours. Wine's own
# services start with the first program and live as long as the server: start them here,
# or they inherit the pipes of the first test and CTest waits for them until it times out.
start_wineserver() {
    "$WINESERVER" -p 60 </dev/null >/dev/null 2>&1 &
    "$WINE64" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_session() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
