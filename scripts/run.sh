#!/usr/bin/env bash
# Builds velnor.exe and starts it under Wine: in the prefix named by
# WINEPREFIX (a game's own prefix, whose registry it then edits), or else in
# a prefix of its own under build/. With no display it starts a virtual one,
# waits for the window, saves a screenshot, closes Velnor and says where the
# screenshot is. The i686 build runs under the 32-bit Wine; on a machine
# that cannot run 32-bit code (or with VELNOR_WINE_ARCH=win64) the x86_64
# build runs under the 64-bit Wine: cmake/wine-kind.sh decides, and this
# script says which and why. Installs what a fresh Debian 12 machine lacks
# first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source cmake/wine-kind.sh
wine_choose_here
export VELNOR_WINE_KIND=${WINE_KINDS[0]}
preset=$(wine_preset_of "$VELNOR_WINE_KIND")

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target velnor

# A prefix of our own starts as a game's installer leaves a machine: the
# games' configuration key with an empty "Server List", which Velnor then
# fills with its default list and shows. A prefix named by WINEPREFIX is
# the player's own and is never touched.
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$PWD/build/run-prefix-$VELNOR_WINE_KIND
  if [ ! -d "$WINEPREFIX" ]; then
    (source cmake/wine-env.sh &&
      "$WINE" reg add 'HKLM\Software\Battle.Net\Configuration' /v 'Server List' /t REG_SZ /d '' /reg:32 /f &&
      wineserver -w) >/dev/null 2>&1 ||
      { echo "Could not prepare the prefix $WINEPREFIX." >&2; exit 1; }
  fi
fi
exe=$PWD/build/$preset/velnor.exe
echo "Starting $(wine_describe "$VELNOR_WINE_KIND") ($exe), since $WINE_CHOICE_WHY."

if [ -n "${DISPLAY:-}" ]; then
  exec cmake/wine-run.sh "$exe"
fi

source scripts/lib/virtual-display.sh
source scripts/lib/velnor-window.sh
start_virtual_display
cmake/wine-run.sh wineboot -i >/dev/null 2>&1 || true
cmake/wine-run.sh "$exe" &
velnor_pid=$!
window=$(wait_for_velnor_window)
shot=$PWD/build/velnor-window.png
save_window_screenshot "$window" "$shot"
close_velnor_window "$window"
wait "$velnor_pid"
echo "Velnor ran; its window is in $shot"
