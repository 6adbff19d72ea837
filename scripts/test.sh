#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests under
# AddressSanitizer and UBSan, the fuzzers for a short bounded time, and the
# tests of both Windows builds under Wine (the program itself end to end
# included) on every build that this machine can run: cmake/wine-kind.sh
# decides, and VELNOR_WINE_ARCH=win64 runs the x86_64 build's alone.
# Installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source cmake/wine-kind.sh
wine_choose_here

werror=${VELNOR_WERROR:-OFF}

cmake --preset native -DVELNOR_WERROR="$werror" >/dev/null
cmake --build --preset native
# Both Windows builds, every time: the i686 one is the program released,
# the x86_64 one what a machine without 32-bit code runs.
for preset in mingw mingw64; do
  cmake --preset "$preset" -DVELNOR_WERROR="$werror" >/dev/null
  cmake --build --preset "$preset"
done

status=0
scripts/check-layout.sh || status=1
# Every C++ file as the project's .clang-format lays it out.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror || status=1
ctest --preset native --output-on-failure -j2 || status=1

# The whole suite of one build under its Wine, in the build's own prefix,
# made before CTest lists the tests (a new prefix takes a while to boot).
run_wine_suite() {
  local kind=$1 preset
  preset=$(wine_preset_of "$kind")
  echo "Wine tests: $(wine_describe "$kind")"
  export VELNOR_WINE_KIND=$kind
  export VELNOR_WINEPREFIX="$PWD/build/$preset/wineprefix"
  cmake/wine-init-prefix.sh || return 1
  # Keep the prefix's Wine session up between tests (each test is a
  # process of its own); it ends by itself half a minute after the last
  # one. The session's own processes start here, not inside a test, whose
  # output CTest would then wait on.
  (source cmake/wine-env.sh && wineserver -p30) || return 1
  cmake/wine-run.sh cmd /c exit >/dev/null 2>&1
  ctest --preset "$preset" --output-on-failure
}

# One virtual display for every test under Wine.
source scripts/lib/virtual-display.sh
start_virtual_display
if ! wine_chosen win32; then
  echo "Skipped: the i686 build's Wine tests and walk, since $WINE_CHOICE_WHY; its velnor.exe is checked by its headers alone."
  tests/e2e/check-exe-headers.sh build/mingw/velnor.exe PE32 || status=1
fi
for kind in "${WINE_KINDS[@]}"; do
  (run_wine_suite "$kind") || status=1
done
exit $status
