#!/usr/bin/env bash
# Test hosts of their own for the ping tests and benchmarks: network
# namespaces joined to this one by veth pairs, with addresses in
# 198.18.0.0/15 (reserved for benchmarking), so that no echo ever leaves
# the machine.
#
#   fixture.sh up RESPONDER   make the hosts (RESPONDER: velnor-echo-responder)
#   fixture.sh down           remove them
#
# Hosts, one namespace each, listed in /run/velnor-netns/hosts once up:
#   answering  198.18.1.2  the kernel answers at once
#   silent     198.18.2.2  never answers (icmp_echo_ignore_all)
#   delayed-N  198.18.3.2, 198.18.4.2, 198.18.5.2: a responder answers after
#              N = 0, 20 and 80 ms
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

# name, subnet number, delay in ms of the responder ("" for the kernel's own answers)
HOST_TABLE=(
  "answering 1 -"
  "silent 2 none"
  "delayed-0 3 0"
  "delayed-20 4 20"
  "delayed-80 5 80"
)

namespace_of() { echo "velnor-$1"; }
link_of() { echo "vn-$1"; }

host_up() {
  local name=$1 subnet=$2 reply=$3 responder=$4
  local ns link
  ns=$(namespace_of "$name")
  link=$(link_of "$name")
  ip netns add "$ns"
  ip link add "$link" type veth peer name eth0 netns "$ns"
  ip addr add "198.18.$subnet.1/24" dev "$link"
  ip link set "$link" up
  ip -n "$ns" addr add "198.18.$subnet.2/24" dev eth0
  ip -n "$ns" link set eth0 up
  ip -n "$ns" link set lo up
  if [ "$reply" != - ]; then
    ip netns exec "$ns" sysctl -q -w net.ipv4.icmp_echo_ignore_all=1
  fi
  if [ "$reply" != - ] && [ "$reply" != none ]; then
    start_responder "$ns" "$reply" "$responder"
  fi
  echo "$name 198.18.$subnet.2" >>"$HOSTS.new"
}

start_responder() {
  local ns=$1 delay=$2 responder=$3
  local ready=$STATE/$ns.pid
  # Without the lock's descriptor: the responder outlives this script.
  ip netns exec "$ns" "$responder" "$delay" "$ready" </dev/null >/dev/null 2>&1 9>&- &
  for _ in $(seq 100); do
    [ -s "$ready" ] && return 0
    sleep 0.05
  done
  echo "fixture: the responder in $ns did not start" >&2
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
  rm -f "$HOSTS" "$HOSTS.new"
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
  local pidfile
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
