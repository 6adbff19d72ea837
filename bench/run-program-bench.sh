#!/usr/bin/env bash
# Measures Velnor as a whole under Wine and prints the figures side by side
# with a minimal dialog program of the same build; no figure passes or
# fails:
#
#  - the time from process start to the main window being shown;
#  - the peak working set with the window shown, and over one "Ping" of
#    100 servers: the namespace test hosts answering, silent and delayed-N
#    in turn when run as root, else 127.0.0.1 to 127.0.0.100;
#  - the time of sorting 100 rows by ping in the real main window's list
#    view;
#  - the start-up split into its phases: the median milliseconds of each,
#    over fresh processes that take velnor.exe's steps one by one.
#
# Usage: bench/run-program-bench.sh [BUILD_DIR [ROUNDS]]
#   BUILD_DIR: a MinGW build, i686 or x86_64, run under its own Wine
#   (default: the one this machine runs, build/mingw or build/mingw64);
#   ROUNDS: starts and sorts per figure (default 10)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
source "$source_dir/cmake/wine-kind.sh"
wine_choose_here
preset=$(wine_preset_of "${WINE_KINDS[0]}")
build=${1:-$source_dir/build/$preset}
rounds=${2:-10}

[ -f "$build/CMakeCache.txt" ] || cmake --preset "$preset" -B "$build" >/dev/null
cmake --build "$build" --target velnor_program_bench velnor_startup_phases_bench velnor_echo_responder >/dev/null
build=$(realpath "$build")
VELNOR_WINE_KIND=$(wine_kind_of_build "$build")
export VELNOR_WINE_KIND

export WINEPREFIX=$build/bench-program-prefix
wine_run=$source_dir/cmake/wine-run.sh
fixture=$source_dir/tests/netns/fixture.sh
fixture_up=no

windows_path() { echo "Z:${1//\//\\}"; }

take_down() {
  wineserver -k 2>/dev/null || true
  [ "$fixture_up" = no ] || "$fixture" down || true
  kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
}

# A display of its own, with nothing else on it.
unset DISPLAY
source "$source_dir/scripts/lib/virtual-display.sh"
start_virtual_display
trap take_down EXIT

if [ ! -d "$WINEPREFIX" ]; then
  "$source_dir/cmake/wine-init-prefix.sh"
  # The virtual desktop comes with the next start of the prefix's server.
  wineserver -w
fi

hosts=()
if [ "$(id -u)" -eq 0 ]; then
  listing=$("$fixture" up "$build/tests/netns/velnor-echo-responder")
  fixture_up=yes
  # The hosts with an echo of their own, as they were before the game
  # port's hosts came, so that the figure stays comparable.
  mapfile -t hosts < <(awk '$1 == "answering" || $1 == "silent" || $1 ~ /^delayed-/ { print $2 }' <<<"$listing")
else
  echo "Not root: the namespace test hosts are not made; Ping goes to loopback."
fi

"$wine_run" "$build/bench/velnor_program_bench.exe" "$(windows_path "$build/velnor.exe")" \
  "$(windows_path "$build/bench/velnor_minimal_dialog.exe")" "$rounds" "${hosts[@]}" | tr -d '\r'

# Each line: phase ms phase ms ... total ms; one line per fresh process.
phases=$(for _ in $(seq "$rounds"); do "$wine_run" "$build/bench/velnor_startup_phases_bench.exe"; done | tr -d '\r')
echo
echo "start-up phases, ms: median of $rounds fresh processes"
median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for phase in $(head -1 <<<"$phases" | awk '{ for (f = 1; f < NF; f += 2) print $f }'); do
  value=$(awk -v phase="$phase" '{ for (f = 1; f < NF; f += 2) if ($f == phase) print $(f + 1) }' <<<"$phases" | median)
  printf '  %-42s %8.1f\n' "$phase" "$value"
done
