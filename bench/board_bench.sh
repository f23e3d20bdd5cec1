#!/usr/bin/env bash
# Measures the board beside the same board of QLCDNumber widgets, maximised under Xvfb at
# 1920x1080 and 3840x2160: instructions per clock tick (callgrind), process CPU with the clock
# running and stopped, launch to the first painted board, and peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bin/board_bench
[ -x "$bin" ] || { echo "build first: cmake --build build" >&2; exit 1; }
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LOGGING_RULES="qt.multimedia*=false"
display=:91
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

instructions() { # board width height -> instructions per tick
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/cg.out" \
        "$bin" --board "$1" --mode ticks --ticks 100 --width "$2" --height "$3" >/dev/null 2>&1
    local total
    total=$(grep -E '^(summary|totals):' "$work/cg.out" | tail -1 | awk '{print $2}')
    echo $((total / 100))
}
value() { grep "^$1 " | awk '{print $2}'; }

for res in 1920x1080 3840x2160; do
    w=${res%x*}; h=${res#*x}
    Xvfb $display -screen 0 "${res}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    export DISPLAY=$display
    ours=$(instructions varnelo "$w" "$h")
    theirs=$(instructions lcd "$w" "$h")
    cpu_ours=$("$bin" --board varnelo --mode cpu --seconds 10 --width "$w" --height "$h" 2>/dev/null)
    cpu_theirs=$("$bin" --board lcd --mode cpu --seconds 10 --width "$w" --height "$h" 2>/dev/null)
    idle=$("$bin" --board varnelo --mode idle --seconds 10 --width "$w" --height "$h" 2>/dev/null)
    launch() { # board -> median microseconds from exec to the first paint, of 9
        local times=()
        for _ in 1 2 3 4 5 6 7 8 9; do
            start=$(date +%s%N)
            painted=$("$bin" --board "$1" --mode launch --width "$w" --height "$h" 2>/dev/null \
                | value first-paint-realtime-ns)
            times+=($(( (painted - start) / 1000 )))
        done
        printf '%s\n' "${times[@]}" | sort -n | sed -n 5p
    }
    launch_median=$(launch varnelo)
    empty_median=$(launch empty)
    echo "== ${res}"
    printf 'instructions per tick: varnelo %d, QLCDNumber %d, ratio %.3f\n' "$ours" "$theirs" \
        "$(awk "BEGIN{print $ours/$theirs}")"
    printf 'CPU ms per second, clock running: varnelo %s, QLCDNumber %s\n' \
        "$(echo "$cpu_ours" | value cpu-ms-per-second)" "$(echo "$cpu_theirs" | value cpu-ms-per-second)"
    printf 'CPU ms per second, clock stopped: varnelo %s\n' "$(echo "$idle" | value cpu-ms-per-second)"
    printf 'launch to first paint: board %.1f ms, empty window of the same size %.1f ms (medians of 9)\n' \
        "$(awk "BEGIN{print $launch_median/1000}")" "$(awk "BEGIN{print $empty_median/1000}")"
    printf 'peak memory: varnelo %s kB, QLCDNumber board %s kB\n' \
        "$(echo "$cpu_ours" | value peak-rss-kb)" "$(echo "$cpu_theirs" | value peak-rss-kb)"
    kill $xvfb; wait $xvfb 2>/dev/null || true
done
