#!/usr/bin/env bash
# The choice of Wine (cmake/wine-kind.sh) as a function of what the probe
# of the machine reports, and the probe itself against stand-in loaders.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../cmake/wine-kind.sh"

failures=0
check() {
  local what=$1 found=$2 wanted=$3
  if [ "$found" != "$wanted" ]; then
    echo "FAIL $what: \"$found\", wanted \"$wanted\""
    failures=$((failures + 1))
  fi
}

# report, VELNOR_WINE_ARCH, kinds wanted, reason wanted
while IFS='|' read -r report forced kinds why; do
  wine_choose "$report" "$forced"
  check "kinds for [$report|$forced]" "${WINE_KINDS[*]}" "$kinds"
  check "reason for [$report|$forced]" "$WINE_CHOICE_WHY" "$why"
done <<'CASES'
runs||win32 win64|this machine runs 32-bit code
this machine cannot run 32-bit code (/usr/lib/wine/wine: Exec format error)||win64|this machine cannot run 32-bit code (/usr/lib/wine/wine: Exec format error)
the 32-bit Wine is not installed (/usr/lib/wine/wine)||win64|the 32-bit Wine is not installed (/usr/lib/wine/wine)
runs|win64|win64|VELNOR_WINE_ARCH=win64 asks for the 64-bit Wine alone
CASES
wine_choose runs win32 2>/dev/null
check "VELNOR_WINE_ARCH=win32 is refused" "$?" 1
wine_choose runs ""
wine_chosen win32 && wine_chosen win64
check "both kinds are chosen where 32-bit code runs" "$?" 0
wine_choose "the 32-bit Wine is not installed" ""
wine_chosen win32
check "win32 is not chosen without its Wine" "$?" 1

# The probe, against loaders that start, cannot be run, and are missing.
loaders=$(mktemp -d)
trap 'rm -rf "$loaders"' EXIT
printf '#!/bin/sh\necho wine-8.0\n' >"$loaders/starts"
printf '\177ELF\001\001\001\000garbage' >"$loaders/foreign"
chmod +x "$loaders/starts" "$loaders/foreign"
check "a loader that starts" "$(wine_probe_32bit "$loaders/starts")" runs
check "a loader the kernel cannot run" "$(wine_probe_32bit "$loaders/foreign")" \
  "this machine cannot run 32-bit code ($loaders/foreign: Exec format error)"
check "a missing loader" "$(wine_probe_32bit "$loaders/missing")" \
  "the 32-bit Wine is not installed ($loaders/missing)"

[ "$failures" -eq 0 ] && echo "wine-kind: every case passed"
exit $((failures > 0))
