#!/usr/bin/env bash
# Load on varnelo-websb over 127.0.0.1: 100 boards publishing (wrk, bench/websb_publish.lua) while
# 1,000 live-page connections follow the pages (bench/websb_viewers.py). Three runs: the boards
# as fast as they can, paced at WEBSB_RATE updates per second each, and at the board's own pace of
# one update every 2 s. Prints requests/s, latency percentiles, errors, CPU, what the viewers
# received, and the service's peak memory (VmHWM).
#
# Environment: WEBSB_BUILD (build folder, default build), BOARDS (100), VIEWERS (1000),
# SECONDS_PER_RUN (20), WEBSB_RATE (10), WRK_THREADS (2).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${WEBSB_BUILD:-$root/build}"
boards="${BOARDS:-100}"
viewers="${VIEWERS:-1000}"
duration="${SECONDS_PER_RUN:-20}"
rate="${WEBSB_RATE:-10}"
wrk_threads="${WRK_THREADS:-2}"

if [ ! -x "$build/bin/varnelo-websb" ]; then
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --target varnelo-websb
fi
command -v wrk >/dev/null || { echo "wrk is missing: run scripts/setup" >&2; exit 1; }

work="$(mktemp -d)"
service_pid=""
viewers_pid=""
cleanup() {
    [ -n "$viewers_pid" ] && kill "$viewers_pid" 2>/dev/null || true
    [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# One digest for every page keeps the set-up quick.
digest="$(echo bench-passcode | "$build/bin/varnelo-websb" --hash-passcode board1 | cut -d' ' -f4)"
{
    echo "listen = 127.0.0.1:0"
    echo "data = $work/state"
    echo "connections = $((boards + viewers + 100))"
    # The event-driven service caps what one address holds; here every client is 127.0.0.1.
    if "$build/bin/varnelo-websb" --help | grep -q -- --redis; then
        echo "connections-per-address = $((boards + viewers + 100))"
        echo "streams-per-address = $((viewers + 100))"
    fi
    for i in $(seq 1 "$boards"); do echo "page = board$i $digest"; done
} >"$work/websb.conf"

"$build/bin/varnelo-websb" --config "$work/websb.conf" >"$work/service.log" 2>&1 &
service_pid=$!
for _ in $(seq 1 100); do
    grep -q "serving" "$work/service.log" && break
    sleep 0.05
done
port="$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/service.log")"
[ -n "$port" ] || { cat "$work/service.log" >&2; exit 1; }
echo "varnelo-websb on port $port: $boards pages, $viewers live connections, $(nproc) cores"

# Each page's first update runs the slow passcode digest once; that is start-up cost, measured
# here and kept out of the runs below.
python3 - "$port" "$boards" <<'PY'
import sys, time, urllib.request
port, boards = int(sys.argv[1]), int(sys.argv[2])
fields = "&".join(f"{k}=" for k in "ht vt hs gt vs per hsh hck hsa vsh vck vsa".split())
started = time.monotonic()
for page in range(1, boards + 1):
    url = f"http://127.0.0.1:{port}/web/board{page}?ttl=Warm-up&{fields}&passcode=bench-passcode"
    assert urllib.request.urlopen(url).read() == b"2|Warm-up"
print(f"first update of each of {boards} pages (slow digest): {time.monotonic() - started:.2f} s")
PY

python3 "$root/bench/websb_viewers.py" --port "$port" --connections "$viewers" \
    --pages "$boards" --seconds $((4 * duration + 60)) >"$work/viewers.log" 2>&1 &
viewers_pid=$!
for _ in $(seq 1 600); do
    grep -q "ready" "$work/viewers.log" && break
    kill -0 "$viewers_pid" 2>/dev/null || { cat "$work/viewers.log" >&2; exit 1; }
    sleep 0.1
done
cat "$work/viewers.log"

# CPU time of a process in clock ticks (100 a second).
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

run() {
    local title="$1"
    shift
    echo
    echo "== $title"
    local service_before viewers_before
    service_before=$(ticks "$service_pid")
    viewers_before=$(ticks "$viewers_pid")
    env "$@" WEBSB_PAGES="$boards" WEBSB_PASSCODE=bench-passcode \
        wrk -t "$wrk_threads" -c "$boards" -d "${duration}s" --timeout 5s \
        -s "$root/bench/websb_publish.lua" "http://127.0.0.1:$port/" | sed -n '/^requests\/s/,$p'
    echo "cpu             service $(( ($(ticks "$service_pid") - service_before) / duration ))%," \
        "viewers $(( ($(ticks "$viewers_pid") - viewers_before) / duration ))% (of one core)"
}
run "$boards boards publishing as fast as they can" WEBSB_RATE=0
run "$boards boards publishing $rate updates/s each" WEBSB_RATE="$rate"
run "$boards boards publishing every 2 s, as the service asks" WEBSB_RATE=0.5

echo
grep -E "VmHWM|VmRSS|Threads" "/proc/$service_pid/status" | tr -s '\t ' ' '
kill "$viewers_pid"
wait "$viewers_pid" || true
viewers_pid=""
tail -n 1 "$work/viewers.log"
kill "$service_pid"
wait "$service_pid" || true
service_pid=""
