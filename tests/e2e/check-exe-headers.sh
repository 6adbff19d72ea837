#!/usr/bin/env bash
# Checks a built velnor.exe by its headers, without running it: the PE
# format and machine the build is for, the Windows GUI subsystem, ASLR and
# DEP (a change of linker flags must not drop them), and that it imports no
# DLL beyond Windows' own (no MinGW runtime DLL), so that the one file runs
# anywhere; the 32-bit build, from Windows XP SP3 on.
#
#   check-exe-headers.sh EXE PE32|PE32+
set -euo pipefail
exe=$1 format=$2

case $format in
  PE32) machine=i386 ;;
  PE32+) machine=i386:x86-64 ;;
  *) echo "usage: check-exe-headers.sh EXE PE32|PE32+" >&2; exit 2 ;;
esac
# Windows' own DLLs that the program may import; a MinGW runtime DLL
# (libstdc++, libgcc, libwinpthread) is not among them.
windows_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
  shell32.dll user32.dll ws2_32.dll wsock32.dll "

# The x86_64 tools read both formats.
headers=$(x86_64-w64-mingw32-objdump -f -p "$exe")
found_format=$(awk '$1 == "Magic" { gsub(/[()]/, "", $3); print $3 }' <<<"$headers")
found_machine=$(awk '$1 == "architecture:" { sub(/,$/, "", $2); print $2 }' <<<"$headers")
subsystem=$(awk '$1 == "Subsystem" { $1 = $2 = ""; gsub(/^ +|[()]/, ""); print }' <<<"$headers")
# The names objdump prints under DllCharacteristics, one a line.
characteristics=$(awk '$1 == "DllCharacteristics" { on = 1; next } on && NF == 1 { print $1; next } { on = 0 }' <<<"$headers")
mapfile -t dlls < <(awk '$1 == "DLL" && $2 == "Name:" { print $3 }' <<<"$headers")

failures=0
expect() {
  local what=$1 found=$2 wanted=$3
  if [ "$found" != "$wanted" ]; then
    echo "$exe: $what is \"$found\", not \"$wanted\"" >&2
    failures=$((failures + 1))
  fi
}
expect format "$found_format" "$format"
expect machine "$found_machine" "$machine"
expect subsystem "$subsystem" "Windows GUI"
for flag in DYNAMIC_BASE NX_COMPAT; do
  grep -qx "$flag" <<<"$characteristics" || expect "$flag" "off" "on"
done
[ ${#dlls[@]} -gt 0 ] || expect "the list of imported DLLs" "" "not empty"
for dll in "${dlls[@]}"; do
  if [[ $windows_dlls != *" ${dll,,}"[[:space:]]* ]]; then
    echo "$exe: imports $dll, which is not one of Windows' own DLLs listed here" >&2
    failures=$((failures + 1))
  fi
done

# The 32-bit build starts on Windows XP SP3: XP's loader refuses a newer
# subsystem version, and any function that XP's DLLs lack.
xp=""
if [ "$format" = PE32 ]; then
  version=$(awk '$1 == "MajorSubsystemVersion" { major = $2 } $1 == "MinorSubsystemVersion" { print major * 100 + $2 }' <<<"$headers")
  [ "$version" -le 501 ] || expect "the subsystem version, major * 100 + minor" "$version" "501 or less"
  allowed=$(awk '!/^#/ && NF >= 2 { print toupper($1), $2 }' "$(dirname "$0")/xp-sp3-imports.txt")
  # One line per import: the DLL and the function's name, or "#" and the
  # ordinal where it is imported by number alone.
  imported=$(awk '$1 == "DLL" && $2 == "Name:" { dll = toupper($3); next }
    dll && NF == 0 { dll = "" }
    dll && $1 ~ /^[0-9a-f]+$/ && NF >= 2 && $1 != "vma:" { print dll, (NF >= 3 ? $3 : "#" $2) }' <<<"$headers")
  while read -r dll function; do
    if ! grep -qxF "$dll $function" <<<"$allowed"; then
      echo "$exe: imports $function from $dll, which tests/e2e/xp-sp3-imports.txt does not list as present on Windows XP SP3" >&2
      failures=$((failures + 1))
    fi
  done <<<"$imported"
  xp=", starts on Windows XP SP3 ($(wc -l <<<"$imported") imports listed)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "$exe: $format, $machine, Windows GUI, ASLR and DEP on, imports only Windows' own DLLs: ${dlls[*]}$xp"
