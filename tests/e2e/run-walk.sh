#!/usr/bin/env bash
# Runs the end-to-end walk on a machine of its own: a fresh Wine prefix on a
# virtual display of its own, "Server List" seeded with test addresses, and
# the namespace test hosts when the machine can make them (root). The
# driver's screenshot requests are served here, since X tools cannot be
# waited for from inside Wine. Everything is taken down afterwards, also
# when the walk fails.
#
#   run-walk.sh DRIVER VELNOR STANDIN_GAME PLANTED_DLL WORK_DIR [FIXTURE_SH RESPONDER]
#
# WORK_DIR receives the prefix (removed again after a walk that passed),
# the screenshots, WORK_DIR/screenshots/*.png, and the folder Velnor runs
# from, WORK_DIR/program. PLANTED_DLL is put there as ICMP.DLL, as a
# downloads folder may hold one: it must never run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
driver=$1 velnor=$2 standin=$3 planted=$4 work=$5 fixture=${6:-} responder=${7:-}

export WINEPREFIX=$work/prefix
shots=$work/screenshots
run=$root/cmake/wine-run.sh
fixture_up=no
watcher=

windows_path() {
  local path
  path=$(realpath "$1")
  echo "Z:${path//\//\\}"
}

# Serves the driver's requests: NAME.request holds the crop geometry.
serve_screenshots() {
  local request
  while :; do
    for request in "$shots"/*.request; do
      [ -e "$request" ] || continue
      import -window root -crop "$(cat "$request")" +repage "${request%.request}.png" || true
      rm -f "$request"
    done
    sleep 0.1
  done
}

take_down() {
  [ -z "$watcher" ] || kill "$watcher" 2>/dev/null || true
  [ ! -d "$WINEPREFIX" ] || wineserver -k 2>/dev/null || true
  [ "$fixture_up" = no ] || "$fixture" down || true
  kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
}

program=$work/program
rm -rf "$WINEPREFIX" "$shots" "$program"
mkdir -p "$shots" "$program"
cp "$velnor" "$program/velnor.exe"
cp "$planted" "$program/ICMP.DLL"
velnor=$program/velnor.exe

# A display of its own, so that the screenshots show nothing else.
unset DISPLAY
source "$root/scripts/lib/virtual-display.sh"
start_virtual_display
trap take_down EXIT

hosts=()
seed="127.0.0.1;127.0.0.2;127.0.0.3"
if [ -n "$fixture" ] && [ "$(id -u)" -eq 0 ]; then
  listing=$("$fixture" up "$responder")
  fixture_up=yes
  address_of() { awk -v name="$1" '$1 == name { print $2 }' <<<"$listing"; }
  hosts=("$(address_of delayed-20)" "$(address_of silent)" "$(address_of port-only)" "$(address_of answering)")
  seed="127.0.0.1;127.0.0.2;$(address_of answering);$(address_of delayed-80)"
elif [ -n "$fixture" ]; then
  echo "The namespace test hosts need root: the walk runs on loopback alone."
else
  echo "No namespace test hosts were given: the walk runs on loopback alone."
fi

"$root/cmake/wine-init-prefix.sh"
# The virtual desktop comes with the next start of the prefix's server:
# windows then open at once and carry the captions that Wine draws.
wineserver -w
# In the games' view of the registry, the 32-bit one also in a 64-bit prefix.
"$run" reg add 'HKLM\Software\Battle.Net\Configuration' /v 'Server List' /t REG_SZ /d "$seed" /reg:32 /f >/dev/null
# StarCraft's own gateway list and its override list, as the walk expects
# them (SEEDED_GATEWAYS, SEEDED_OVERRIDE_GATEWAYS).
"$run" reg add 'HKCU\Software\Battle.net\Configuration' /v 'Battle.net Gateways' /t REG_MULTI_SZ \
  /d '2000\001\0127.0.0.1\0-1\0Loopback\0velnor..invalid\08\0Reserved' /f >/dev/null
"$run" reg add 'HKCU\Software\Battle.net\Configuration' /v 'Override Battle.net gateways' /t REG_MULTI_SZ \
  /d '2000\001\0127.0.0.8\0-1\0Override' /f >/dev/null

serve_screenshots &
watcher=$!

status=0
"$run" "$driver" "$(windows_path "$velnor")" "$(windows_path "$standin")" "$(windows_path "$shots")" \
  "${hosts[@]}" || status=$?
echo "Screenshots: $shots"
if [ -e "$program/ICMP.DLL.loaded" ]; then
  echo "The ICMP.DLL planted beside velnor.exe was loaded."
  status=1
fi
if [ "$status" -eq 0 ]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
exit "$status"
