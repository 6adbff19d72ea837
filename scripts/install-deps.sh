#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Velnor.
# Safe to run again: it only installs packages that are missing.
set -euo pipefail

# The i686 build runs under the 32-bit Wine (wine32), the x86_64 build
# under the 64-bit one (wine64), which is all a machine that cannot run
# 32-bit code has; wine32 installs there too, and goes unused.
packages=(
  cmake ninja-build g++ libgtest-dev googletest clang libclang-rt-14-dev
  clang-format g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine32:i386
  wine64 xvfb xauth imagemagick xdotool iproute2 fping zip fonts-wine
  fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
# A mirror in the middle of a sync fails one index or another; the lists
# apt already has still serve, and the install below says if they do not.
"${sudo_cmd[@]}" apt-get update -q || echo "install-deps: apt-get update failed; installing from the lists apt has" >&2
install=("${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends)
# Wine's 32-bit libraries must be the very versions of their 64-bit
# twins; when one architecture's update index failed, both come from the
# release itself.
"${install[@]}" "${missing[@]}" || "${install[@]}" -t bookworm "${missing[@]}"
