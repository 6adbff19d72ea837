#!/usr/bin/env bash
# Builds velnor.exe and starts it under Wine: in the prefix named by
# WINEPREFIX (a game's own prefix, whose registry it then edits), or else in
# a prefix of its own under build/. With no display it starts a virtual one,
# waits for the window, saves a screenshot, closes Velnor and says where the
# screenshot is. Installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target velnor

# A prefix of our own starts as a game's installer leaves a machine: the
# games' configuration key with an empty "Server List", which Velnor then
# fills with its default list and shows. A prefix named by WINEPREFIX is
# the player's own and is never touched.
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$PWD/build/run-prefix
  if [ ! -d "$WINEPREFIX" ]; then
    (source cmake/wine-env.sh &&
      wine reg add 'HKLM\Software\Battle.Net\Configuration' /v 'Server List' /t REG_SZ /d '' /f &&
      wineserver -w) >/dev/null 2>&1 ||
      { echo "Could not prepare the prefix $WINEPREFIX." >&2; exit 1; }
  fi
fi
exe=$PWD/build/mingw/velnor.exe

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
