#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under Wine, in the project's prefix and on
# the display the test command started. CTest uses it as the cross-compiling emulator.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
if [ -z "${DISPLAY:-}" ] && [ -f "$KESTRANE_BUILD/display" ]; then
    export DISPLAY=$(cat "$KESTRANE_BUILD/display")
fi
exec "$WINE64" "$@"
