#!/usr/bin/env bash
# Measures Velnor's latency probing under Wine and prints the figures; no
# figure passes or fails.
#
#  1. Velnor's probe next to Debian's fping, on the namespace test hosts
#     that answer after 0, 20 and 80 ms and on one that never answers: what
#     each reports, and its error against the configured delay.
#  2. The probe's connection to the game port of the test hosts whose
#     responder answers each SYN after 0, 20 and 80 ms, of one whose port
#     refuses and of the silent one: the same figures.
#  3. One "Ping" over 100 loopback servers in the real main window: its
#     wall and CPU time against the schedule's floor, and the longest time
#     the window took to answer a WM_NULL sent every 20 ms meanwhile.
#
# Usage (as root, for the test hosts): bench/run-ping-bench.sh [BUILD_DIR [ROUNDS]]
#   BUILD_DIR: a MinGW build, i686 or x86_64, run under its own Wine (default:
#   the one this machine runs, build/mingw or build/mingw64); ROUNDS: probes
#   per host (default 10)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
source "$source_dir/cmake/wine-kind.sh"
wine_choose_here
build=$(realpath "${1:-$source_dir/build/$(wine_preset_of "${WINE_KINDS[0]}")}")
rounds=${2:-10}
VELNOR_WINE_KIND=$(wine_kind_of_build "$build")
export VELNOR_WINE_KIND

if [ "$(id -u)" -ne 0 ]; then
  echo "run-ping-bench: needs root for the namespace test hosts (tests/netns/fixture.sh)" >&2
  exit 1
fi
# One X server for every Wine process of the run.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$rounds"
fi

cmake --build "$build" --target velnor_probe_bench velnor_ping_command_bench velnor_echo_responder >/dev/null

export WINEPREFIX=$build/bench-wineprefix
wine_run=$source_dir/cmake/wine-run.sh
fixture=$source_dir/tests/netns/fixture.sh
hosts_file=/run/velnor-netns/hosts
probe_bench=$build/bench/velnor_probe_bench.exe
command_bench=$build/bench/velnor_ping_command_bench.exe

"$fixture" up "$build/tests/netns/velnor-echo-responder" >/dev/null
trap '"$fixture" down; WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true' EXIT

address_of() { awk -v name="$1" '$1 == name { print $2 }' "$hosts_file"; }

# name of the test host, configured delay in ms ("-" for one without a time)
bench_hosts=("delayed-0 0" "delayed-20 20" "delayed-80 80" "silent -")
port_hosts=("port-0 0" "port-20 20" "port-80 80" "delayed-0 -" "silent -")
addresses_of() {
  local entry
  for entry in "$@"; do
    address_of "${entry%% *}"
  done
}
mapfile -t addresses < <(addresses_of "${bench_hosts[@]}")
mapfile -t port_addresses < <(addresses_of "${port_hosts[@]}")

# The Wine prefix and its service processes start here, outside the figures.
"$wine_run" "$probe_bench" 1 127.0.0.1 >/dev/null

velnor=$("$wine_run" "$probe_bench" "$rounds" "${addresses[@]}" | tr -d '\r')
velnor_port=$("$wine_run" "$probe_bench" --game-port "$rounds" "${port_addresses[@]}" | tr -d '\r')
fping_out=$(fping -C $((3 * rounds)) -p 100 -t 1500 -q "${addresses[@]}" 2>&1 || true)

# One host's figures from velnor_probe_bench's lines: the mean reported, its
# mean error against the delay, the worst single error, the share of
# results within 1 ms of the delay, the mean run time; a result that is no
# time ("N/A", "Closed") is counted apart.
velnor_figures() {
  awk -v host="$2" -v name="$3" -v delay="$4" '
    $2 == host {
      n++; took += $4
      if ($3 !~ /^[0-9]+$/ || $3 == 9999) { lost++; other = $3; next }
      answered++; sum += $3; err = $3 - delay
      if (err <= 1 && err >= -1) near++
      if (answered == 1 || (err < 0 ? -err : err) > (worst < 0 ? -worst : worst)) worst = err
    }
    END {
      if (answered) printf "%-12s %5s | %8.2f %+7.2f %+7d %5.0f%% %7.0fms", name, delay, sum / answered, sum / answered - delay, worst, near * 100 / answered, took / n
      else printf "%-12s %5s | %8s %7s %7s %6s %7.0fms", name, delay, other == 9999 ? "N/A" : other, "", "", "", took / n
      if (lost && answered) printf " (%d of %d %s)", lost, n, other == 9999 ? "N/A" : other
    }' <<<"$1"
}

echo "Probe accuracy: $rounds probes of 3 echoes per host from Velnor (timeout 1500 ms), $((3 * rounds))"
echo "echoes per host from fping. Times in ms: the mean reported, its mean error against the delay,"
echo "the worst single error, the share within 1 ms of the delay; \"took\" is how long one Velnor probe ran."
printf '%-12s %5s | %8s %7s %7s %6s %9s | %8s %7s %7s\n' host delay Velnor error worst "<=1ms" "took" fping error worst
for i in "${!bench_hosts[@]}"; do
  delay=${bench_hosts[$i]##* }
  address=${addresses[$i]}
  velnor_figures "$velnor" "$address" "${bench_hosts[$i]%% *}" "$delay"
  echo "$fping_out" | awk -v host="$address" -v delay="$delay" '
    $1 == host {
      for (f = 3; f <= NF; f++) {
        if ($f == "-") { lost++; continue }
        answered++; sum += $f; err = $f - delay
        if (answered == 1 || (err < 0 ? -err : err) > (worst < 0 ? -worst : worst)) worst = err
      }
    }
    END {
      if (answered) printf " | %8.2f %+7.2f %+7.2f", sum / answered, sum / answered - delay, worst
      else printf " | %8s", "no answer"
      if (lost && answered) printf " (%d lost)", lost
      printf "\n"
    }'
done

echo
echo "Game port accuracy: $rounds connections per host to port 6112 from Velnor's probe, with no echo"
echo "(timeout 2000 ms); the port-N hosts answer each SYN after N ms, delayed-0 refuses, silent never"
echo "answers. Times in ms, as above."
printf '%-12s %5s | %8s %7s %7s %6s %9s\n' host delay Velnor error worst "<=1ms" "took"
for i in "${!port_hosts[@]}"; do
  velnor_figures "$velnor_port" "${port_addresses[$i]}" "${port_hosts[$i]%% *}" "${port_hosts[$i]##* }"
  echo
done

# CPU time, in ms, of the prefix's own Wine processes (wineserver, the
# device driver that sends the echoes): on Windows that work is the kernel's.
clock_ticks=$(getconf CLK_TCK)
wine_helpers_cpu() {
  local pid environment total=0
  for pid in /proc/[0-9]*; do
    environment=$({ tr '\0' '\n' <"$pid/environ"; } 2>/dev/null) || continue
    if grep -qxF "WINEPREFIX=$WINEPREFIX" <<<"$environment"; then
      total=$((total + $({ awk '{ print $14 + $15 }' "$pid/stat"; } 2>/dev/null || echo 0)))
    fi
  done
  echo $((total * 1000 / clock_ticks))
}

servers=100
floor=$((servers * 200 + 1000))
helpers_before=$(wine_helpers_cpu)
figures=$("$wine_run" "$command_bench" "$servers" | tr -d '\r')
helpers_after=$(wine_helpers_cpu)

echo
echo "One \"Ping\" over $servers loopback servers (127.0.0.1 to 127.0.0.$servers)"
echo "  floor: $floor ms ($servers starts 200 ms apart, the last probe ending within its gap, one 1000 ms pass)"
echo "$figures" | awk -v floor="$floor" '
  $1 == "press" { what = "pressed in the main window" }
  $1 == "schedule" { what = "PingAll alone, rows in memory" }
  { printf "  %-30s wall %6d ms (%+6.2f%% of the floor), CPU %5d ms, %d of %d rows show a time\n",
           what, $3, ($3 - floor) * 100 / floor, $4, $5, $2 }
  NF == 8 { printf "  %-30s longest answer to a WM_NULL sent every 20 ms: %d ms, %d ms into the run (%d answers; aim: at most 50)\n",
                   "", $6, $8, $7 }'
echo "  CPU of Wine's own processes over both runs: $((helpers_after - helpers_before)) ms"
