#!/usr/bin/env bash
# Makes the Wine prefix for the tests: booted, and with a Wine virtual
# desktop, where windows open and close at once (without a window manager,
# Wine waits about a second on every top-level window it maps or unmaps).
set -euo pipefail
run="$(cd "$(dirname "$0")" && pwd)/wine-run.sh"
"$run" wineboot -i >/dev/null 2>&1 || true
"$run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$run" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
