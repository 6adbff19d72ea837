#!/usr/bin/env bash
# Gives the prefix Wine's own Marlett font, in which Wine draws the caption
# buttons of the windows it frames itself (the close box is Marlett's "r").
# Wine looks for its fonts in its data directory, but Debian's Wine looks
# one level off (WINEDATADIR\..\fonts) while fonts-wine installs them in
# WINEDATADIR/fonts: found nowhere, Marlett falls back to a text font and
# the close box shows a plain "r". Fonts in the prefix's Fonts folder are
# always found.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
fonts=$WINEPREFIX/drive_c/windows/Fonts
[ ! -e "$fonts/marlett.ttf" ] || exit 0
# WINEDATADIR is an NT path on the Z: drive, such as \??\Z:\usr\share\wine.
data=$("$here/wine-run.sh" cmd /c echo %WINEDATADIR% 2>/dev/null |
  tr -d '\r' | sed -e 's/^\\??\\Z://' -e 's/\\/\//g' || true)
if [ ! -e "$data/fonts/marlett.ttf" ]; then
  echo "Wine's marlett.ttf is not in '$data/fonts': captions keep a plain \"r\"." >&2
  exit 0
fi
mkdir -p "$fonts"
cp "$data/fonts/marlett.ttf" "$fonts/"
