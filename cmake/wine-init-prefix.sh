#!/usr/bin/env bash
# Makes the Wine prefix for the tests: booted, with the font of the captions
# that Wine draws, and with a Wine virtual desktop, where windows open and
# close at once (without a window manager, Wine waits about a second on
# every top-level window it maps or unmaps).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
"$here/wine-run.sh" wineboot -i >/dev/null 2>&1 || true
"$here/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$here/wine-run.sh" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
"$here/wine-caption-font.sh"
# The desktop setting is read when the prefix's session starts: end this one.
wineserver -w
