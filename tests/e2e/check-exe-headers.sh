#!/usr/bin/env bash
# Checks a built velnor.exe by its headers, without running it: the PE
# format and machine the build is for, the Windows GUI subsystem, ASLR and
# DEP (a change of linker flags must not drop them), and that it imports no
# DLL beyond Windows' own (no MinGW runtime DLL), so that the one file runs
# anywhere.
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

[ "$failures" -eq 0 ] || exit 1
echo "$exe: $format, $machine, Windows GUI, ASLR and DEP on, imports only Windows' own DLLs: ${dlls[*]}"
