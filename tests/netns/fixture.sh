#!/usr/bin/env bash
# Test hosts of their own for the ping tests and benchmarks: network
# namespaces joined to this one by veth pairs, with addresses in
# 198.18.0.0/15 (reserved for benchmarking), so that no echo ever leaves
# the machine.
#
#   fixture.sh up RESPONDER   make the hosts (RESPONDER: velnor-echo-responder;
#                             velnor-port-responder lies beside it)
#   fixture.sh down           remove them
#
# Hosts, one namespace each, listed in /run/velnor-netns/hosts once up:
#   answering  198.18.1.2  the kernel answers echo at once; port 6112 takes
#                          connections
#   silent     198.18.2.2  answers nothing: echo ignored, and every reply of
#                          its kernel (a TCP reset too) goes nowhere
#   delayed-N  198.18.3.2, 198.18.4.2, 198.18.5.2: a responder answers echo
#              after N = 0, 20 and 80 ms; port 6112 refuses
#   port-only  198.18.6.2  ignores echo; port 6112 takes connections
#   port-N     198.18.7.2, 198.18.8.2, 198.18.9.2: an address that the
#              namespace's kernel does not own; a responder answers each SYN
#              to port 6112 after N = 0, 20 and 80 ms, and nothing else
# The listeners on port 6112 keep the number of connections they took in
# /run/velnor-netns/NAME.connections.
#
# Several runs may share the hosts: each "up" counts a user, each "down"
# removes one, and the last one out removes the hosts. Needs root; without
# it, "up" says so and exits with 77, which CTest reads as skipped.
set -euo pipefail

STATE=/run/velnor-netns
HOSTS=$STATE/hosts
USERS=$STATE/users
LOCK=/run/velnor-netns.lock
FIXTURE_RANGE=198.18.0.0/15
SKIPPED=77

# name, subnet number, echo ("kernel", "none" or the responder's delay in
# ms), port 6112 ("closed", "listen", "silent", or "syn-" and the delay in ms)
HOST_TABLE=(
  "answering 1 kernel listen"
  "silent 2 none silent"
  "delayed-0 3 0 closed"
  "delayed-20 4 20 closed"
  "delayed-80 5 80 closed"
  "port-only 6 none listen"
  "port-0 7 none syn-0"
  "port-20 8 none syn-20"
  "port-80 9 none syn-80"
)

namespace_of() { echo "velnor-$1"; }
link_of() { echo "vn-$1"; }

host_up() {
  local name=$1 subnet=$2 echo=$3 port=$4 responder=$5
  local ns link address=198.18.$subnet.2
  local port_responder
  port_responder=$(dirname "$responder")/velnor-port-responder
  ns=$(namespace_of "$name")
  link=$(link_of "$name")
  ip netns add "$ns"
  ip link add "$link" type veth peer name eth0 netns "$ns"
  ip addr add "198.18.$subnet.1/24" dev "$link"
  ip link set "$link" up
  # A SYN responder's address is its own, not the kernel's.
  [ "${port%%-*}" = syn ] || ip -n "$ns" addr add "$address/24" dev eth0
  ip -n "$ns" link set eth0 up
  ip -n "$ns" link set lo up
  if [ "$echo" != kernel ]; then
    ip netns exec "$ns" sysctl -q -w net.ipv4.icmp_echo_ignore_all=1
  fi
  if [ "$echo" != kernel ] && [ "$echo" != none ]; then
    start_responder "$ns" echo "$responder" "$echo" "$STATE/$ns-echo.pid"
  fi
  case $port in
    listen) start_responder "$ns" port "$port_responder" listen "$STATE/$ns-port.pid" "$STATE/$name.connections" ;;
    # Whatever its kernel answers, a reset included, is routed nowhere.
    silent) ip -n "$ns" route add blackhole "198.18.$subnet.1/32" ;;
    syn-*) start_responder "$ns" port "$port_responder" syn "${port#syn-}" "$address" "$STATE/$ns-port.pid" ;;
  esac
  echo "$name $address" >>"$HOSTS.new"
}

# start_responder NAMESPACE ROLE PROGRAM ARGUMENT... READY_FILE [MORE...]:
# the ready file is the first argument that ends in .pid.
start_responder() {
  local ns=$1 role=$2 program=$3
  shift 3
  local ready argument
  for argument in "$@"; do
    case $argument in *.pid) ready=$argument ;; esac
  done
  # Without the lock's descriptor: the responder outlives this script.
  ip netns exec "$ns" "$program" "$@" </dev/null >/dev/null 2>&1 9>&- &
  for _ in $(seq 100); do
    [ -s "$ready" ] && return 0
    sleep 0.05
  done
  echo "fixture: the $role responder in $ns did not start" >&2
  return 1
}

stop_responders() {
  local pidfile
  for pidfile in "$STATE"/*.pid; do
    [ -e "$pidfile" ] || continue
    kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile"
  done
}

teardown() {
  rm -f "$HOSTS" "$HOSTS.new" "$STATE"/*.connections
  stop_responders
  local entry name
  for entry in "${HOST_TABLE[@]}"; do
    name=${entry%% *}
    ip link del "$(link_of "$name")" 2>/dev/null || true
    ip netns del "$(namespace_of "$name")" 2>/dev/null || true
  done
  ip route del unreachable "$FIXTURE_RANGE" 2>/dev/null || true
  rm -f "$USERS"
}

healthy() {
  [ -s "$HOSTS" ] || return 1
  local entry pidfile
  # Hosts made by another version of this table are not these.
  for entry in "${HOST_TABLE[@]}"; do
    grep -q "^${entry%% *} " "$HOSTS" || return 1
  done
  for pidfile in "$STATE"/*.pid; do
    kill -0 "$(cat "$pidfile")" 2>/dev/null || return 1
  done
}

build_hosts() {
  local responder=$1
  teardown
  # Until every host is in place, a failure takes down what was made.
  trap teardown EXIT
  # Addresses of the range that no host holds go nowhere, never out of the
  # machine by the default route.
  ip route add unreachable "$FIXTURE_RANGE"
  local entry
  for entry in "${HOST_TABLE[@]}"; do
    # shellcheck disable=SC2086
    host_up $entry "$responder"
  done
  mv "$HOSTS.new" "$HOSTS"
  trap - EXIT
}

users() { cat "$USERS" 2>/dev/null || echo 0; }

up() {
  local responder=${1:?usage: fixture.sh up RESPONDER}
  [ -x "$responder" ] || { echo "fixture: no responder at $responder" >&2; exit 1; }
  [ -x "$(dirname "$responder")/velnor-port-responder" ] ||
    { echo "fixture: no velnor-port-responder beside $responder" >&2; exit 1; }
  if healthy; then
    echo $(($(users) + 1)) >"$USERS"
  else
    build_hosts "$responder"
    echo 1 >"$USERS"
  fi
  cat "$HOSTS"
}

down() {
  local left=$(($(users) - 1))
  if [ "$left" -gt 0 ]; then
    echo "$left" >"$USERS"
  else
    teardown
  fi
}

main() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: the namespace test hosts need root (ip netns, raw sockets)"
    exit "$SKIPPED"
  fi
  mkdir -p "$STATE"
  exec 9>"$LOCK"
  flock 9
  case ${1:-} in
    up) up "${2:-}" ;;
    down) down ;;
    *) echo "usage: fixture.sh up RESPONDER | down" >&2; exit 2 ;;
  esac
}

main "$@"
