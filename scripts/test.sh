#!/usr/bin/env bash
# Installs what is missing, builds the host, win64 and win32 builds and runs every test:
# host tests natively, Windows tests and whole-program tests under Wine and Xvfb (which
# draws with its light visual style), then the whole-window tests again on a display of
# 144 DPI and once more in the classic look, without a visual style.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh" || exit 1
source "$here/common.sh"
cd "$KESTRANE_ROOT"

for preset in host win64 win32; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" || exit 1
done

prefix96="$WINEPREFIX"
prefix144="$KESTRANE_BUILD/wineprefix-144"
prefixClassic="$KESTRANE_BUILD/wineprefix-classic"
stop_all() {
    WINEPREFIX="$prefix144" "$WINESERVER" -k >/dev/null 2>&1 || true
    WINEPREFIX="$prefixClassic" "$WINESERVER" -k >/dev/null 2>&1 || true
    WINEPREFIX="$prefix96" stop_session
}
trap stop_all EXIT
start_xvfb || exit 1

passed=0
failed=0
status=0
# run NAME CTEST-ARGUMENTS...: one CTest run in the current prefix, counted.
run() {
    local name=$1
    shift
    echo "== test $name"
    local log="$KESTRANE_BUILD/ctest-$name.log"
    "$@" 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        status=1
        return
    fi
    local total fails
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    fails=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

run host ctest --preset host
make_prefix
make_drive_fixtures
start_wineserver
run win64 ctest --preset win64
# The same window tests on a 144-DPI display: a prefix of its own, with its own server.
export WINEPREFIX="$prefix144"
make_prefix 144
start_wineserver
run win64-144dpi ctest --preset win64 -L gui
"$WINESERVER" -k >/dev/null 2>&1 || true
export WINEPREFIX="$prefixClassic"
make_prefix 96 classic
start_wineserver
run win64-classic ctest --preset win64 -L gui

echo "all builds: $passed passed, $failed failed"
exit $status
