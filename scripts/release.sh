#!/usr/bin/env bash
# Builds the release package dist/velnor-VERSION.zip: velnor.exe (the MinGW
# preset's Release build), README.md with the pictures it shows, and
# LICENSE. VERSION is the file
# version in the program's own version resource, so the name always says
# what the zip holds. Installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=build/release
cmake --preset mingw -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELNOR_WERROR=ON >/dev/null
cmake --build "$build" --target velnor
exe=$build/velnor.exe

# The version resource as windres reads it back: FILEVERSION 1, 1, 0, 0
version=$(i686-w64-mingw32-windres -J coff -O rc -i "$exe" |
  awk '$1 == "FILEVERSION" { $1 = ""; gsub(/[ \t]/, ""); gsub(/,/, "."); print; exit }')
if ! [[ $version =~ ^[0-9]+(\.[0-9]+){3}$ ]]; then
  echo "release: no file version in $exe's version resource" >&2
  exit 1
fi

# The program goes out without its symbol table, which only debuggers read.
package=$build/package
rm -rf "$package"
mkdir -p "$package" dist
i686-w64-mingw32-strip -o "$package/velnor.exe" "$exe"
cp README.md LICENSE "$package/"

# The pictures the README shows, at the same relative paths, so that it
# shows them from the unpacked zip too.
mapfile -t pictures < <(grep -o '](docs/[^)]*)' README.md | sed 's/^](//; s/)$//' | sort -u)
for picture in "${pictures[@]}"; do
  mkdir -p "$package/$(dirname "$picture")"
  cp "$picture" "$package/$picture"
done

zip_file=dist/velnor-$version.zip
rm -f "$zip_file"
(cd "$package" && zip -q -X "$OLDPWD/$zip_file" velnor.exe README.md LICENSE "${pictures[@]}")
echo "$zip_file"
