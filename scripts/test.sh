#!/usr/bin/env bash
# Installs what is missing, builds the host, win64 and win32 builds and runs every test:
# host tests natively, Windows tests and whole-program tests under Wine and Xvfb.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh" || exit 1
source "$here/common.sh"
cd "$KESTRANE_ROOT"

for preset in host win64 win32; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" || exit 1
done

trap stop_session EXIT
start_xvfb || exit 1
make_prefix
start_wineserver

passed=0
failed=0
status=0
for preset in host win64; do
    echo "== test $preset"
    log="$KESTRANE_BUILD/ctest-$preset.log"
    ctest --preset "$preset" 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        status=1
        continue
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    fails=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    passed=$((passed + total - fails))
    failed=$((failed + fails))
done
echo "all builds: $passed passed, $failed failed"
exit $status
