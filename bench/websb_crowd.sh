#!/usr/bin/env bash
# varnelo-websb against a crowd on 127.0.0.1, with the load tools on the same machine:
#  1. VIEWERS (10000) event-stream viewers while a board publishes once a second: whether each
#     viewer got every update, the update->viewer delay, the service's memory and threads while
#     they watch and after they leave;
#  2. SLOW (3000) slowloris connections for SLOW_SECONDS (60) (slowhttptest -H) while the board
#     publishes every 2 s: failed updates and their round trip;
#  3. 300 wrong guesses in flight right after a restart, from one address and from 300, and the
#     board's first valid update; then from 300 again with the board on an address the service
#     has not seen.
# Environment: WEBSB_BUILD (build folder, default build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${WEBSB_BUILD:-$root/build}"
viewers="${VIEWERS:-10000}"
slow="${SLOW:-3000}"
slow_seconds="${SLOW_SECONDS:-60}"
# The crowd's client is a benchmark, built only when asked for.
cmake -S "$root" -B "$build" -G Ninja -DVARNELO_BENCH=ON >/dev/null
cmake --build "$build" --target varnelo-websb websb_crowd >/dev/null

work="$(mktemp -d)"
service_pid=""
cleanup() {
    [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

{
    echo "listen = 127.0.0.1:0"
    echo "data = $work/state"
    echo "connections-per-address = 20000"
    echo "streams-per-address = 20000"
    echo bench-passcode | "$build/bin/varnelo-websb" --hash-passcode main
} >"$work/websb.conf"

start_service() {
    "$build/bin/varnelo-websb" --config "$work/websb.conf" "$@" >"$work/service.log" 2>&1 &
    service_pid=$!
    for _ in $(seq 1 100); do
        grep -q "serving" "$work/service.log" && break
        sleep 0.05
    done
    port="$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/service.log")"
}
stop_service() {
    kill "$service_pid"
    wait "$service_pid" || true
    service_pid=""
}
status() {
    echo "service $1: $(grep -E 'VmRSS|Threads' "/proc/$service_pid/status" | tr -s '\t ' ' ' \
        | tr '\n' ' ')"
}

start_service
echo "== $viewers event-stream viewers, one update a second for 20 s"
status "before"
"$build/bin/websb_crowd" "$port" --viewers "$viewers" --seconds 20 --every 1000 &
crowd=$!
sleep 15
status "with the viewers"
wait "$crowd" || true
sleep 12 # the service hands freed buffers back every 10 s
status "after they left"
stop_service

echo
echo "== $slow slowloris connections for $slow_seconds s, a board publishing every 2 s"
start_service
slowhttptest -H -c "$slow" -i 2 -x 10 -r 1000 -l "$slow_seconds" -u "http://127.0.0.1:$port/main" \
    -p 3 >"$work/slow.log" 2>&1 &
slow_pid=$!
sleep 5
status "under slowloris"
"$build/bin/websb_crowd" "$port" --seconds $((slow_seconds - 8)) --every 2000 || true
wait "$slow_pid" || true
grep -E "connected|service available" "$work/slow.log" | tail -2 || true
stop_service

for mode in "" --spread; do
    echo
    echo "== 300 wrong guesses in flight right after a restart ${mode:+(each from its own address)}"
    start_service
    "$build/bin/websb_crowd" "$port" --guesses 300 $mode --seconds 3 --every 200 || true
    stop_service
done

echo
echo "== 300 wrong guesses in flight right after a restart (each from its own address)," \
    "the board on an address not seen before"
start_service
"$build/bin/websb_crowd" "$port" --guesses 300 --spread --board-from 127.0.0.77 --seconds 3 \
    --every 200 || true
stop_service
