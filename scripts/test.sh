#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests under
# AddressSanitizer and UBSan, the fuzzers for a short bounded time, and the
# Windows build's tests under Wine (the program itself end to end included).
# Installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

werror=${VELNOR_WERROR:-OFF}

cmake --preset native -DVELNOR_WERROR="$werror" >/dev/null
cmake --build --preset native
cmake --preset mingw -DVELNOR_WERROR="$werror" >/dev/null
cmake --build --preset mingw

status=0
ctest --preset native --output-on-failure -j2 || status=1

# One virtual display for every test under Wine, and a prefix made before
# CTest lists the tests (a new prefix takes a while to boot).
source scripts/lib/virtual-display.sh
start_virtual_display
export VELNOR_WINEPREFIX="$PWD/build/mingw/wineprefix"
cmake/wine-init-prefix.sh
# Keep the prefix's Wine session up between tests (each test is a process
# of its own); it ends by itself half a minute after the last one. The
# session's own processes start here, not inside a test, whose output
# CTest would then wait on.
(source cmake/wine-env.sh && wineserver -p30)
cmake/wine-run.sh cmd /c exit >/dev/null 2>&1
ctest --preset mingw --output-on-failure || status=1
exit $status
