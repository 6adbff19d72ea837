#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the build's own prefix,
# with a virtual X server when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-${VELNOR_WINEPREFIX:-$here/../build/mingw/wineprefix}}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# A new prefix of our own is 32-bit: quicker to make, and all Velnor needs.
[ -d "$WINEPREFIX" ] || export WINEARCH=win32
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
