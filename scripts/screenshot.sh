#!/usr/bin/env bash
# Makes the README's picture of the main window: Velnor in a fresh prefix of
# its own, showing a "Server List" of loopback test addresses, on a virtual
# display. Writes docs/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset mingw >/dev/null
cmake --build --preset mingw --target velnor

export WINEPREFIX=$PWD/build/screenshot-prefix
rm -rf "$WINEPREFIX"
unset DISPLAY
source scripts/lib/virtual-display.sh
source scripts/lib/velnor-window.sh
start_virtual_display
cmake/wine-run.sh wineboot -i >/dev/null 2>&1 || true
cmake/wine-caption-font.sh
# There is no window manager: Wine draws the caption and frame itself.
cmake/wine-run.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
cmake/wine-run.sh reg add 'HKLM\Software\Battle.Net\Configuration' /v 'Server List' /t REG_SZ \
  /d '127.0.0.1;127.0.0.2;127.0.0.3;localhost' /reg:32 /f >/dev/null
cmake/wine-run.sh build/mingw/velnor.exe &
velnor_pid=$!
window=$(wait_for_velnor_window)
save_window_screenshot "$window" docs/main-window.png
close_velnor_window "$window"
wait "$velnor_pid"
echo "docs/main-window.png"
