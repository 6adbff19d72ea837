#!/usr/bin/env bash
# Runs a Windows program of the build under its Wine (VELNOR_WINE_KIND), in
# the build's own prefix, with a virtual X server when there is no display.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" "$@"
fi
exec "$WINE" "$@"
