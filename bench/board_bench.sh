#!/usr/bin/env bash
# The budgets an operator feels, each beside its figure, at 1920x1080 under an Xvfb of its own:
# the program's windows timed from outside as the X server sees them (bench/startwatch.cpp), with
# a PulseAudio null sink of its own for the buzzer; peak memory of the board maximised by a
# window manager with the clock running; and the instructions of one clock tick (callgrind).
# Medians of 11 runs (BENCH_RUNS), each a fresh user with the default settings whose cache stays
# from one start to the next, as on the operator's laptop.
# Build first: cmake -S . -B build -G Ninja -DVARNELO_BENCH=ON && cmake --build build
set -euo pipefail
cd "$(dirname "$0")/.."
bindir=${BENCH_BIN:-build/bin}
runs=${BENCH_RUNS:-11}
for b in board_bench varnelo startwatch; do
    [ -x "$bindir/$b" ] || {
        echo "build first: cmake -S . -B build -G Ninja -DVARNELO_BENCH=ON && cmake --build build ($b)" >&2
        exit 1
    }
done
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LOGGING_RULES="qt.multimedia*=false"
display=${BENCH_DISPLAY:-:91}
work=$(mktemp -d)
xvfb=
pulse=
wm=
trap 'kill $wm $pulse $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

value() { grep "^$1 " | awk '{print $2}'; }
median() { sort -n | awk '{v[NR]=$1} END{print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
largest() { sort -n | tail -1; }

# A fresh user for every start (default settings, no journal to resume); the cache folder stays.
fresh_home() {
    rm -rf "$work/home"
    mkdir -p "$work/home/.config/Varnelo"
}
# Run in a subshell (a command substitution or "&"): it becomes the program, so that $! is its pid.
program() {
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local \
        XDG_CACHE_HOME=$work/cache exec "$@"
}

Xvfb $display -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
kill -0 $xvfb 2>/dev/null || { echo "Xvfb could not take $display: BENCH_DISPLAY=:NN" >&2; exit 1; }
export DISPLAY=$display

# Instructions per clock tick, over 100 ticks of the board at 1920x1080.
valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/cg.out" \
    "$bindir/board_bench" --mode ticks --ticks 100 --width 1920 --height 1080 >/dev/null 2>&1
total=$(grep -E '^(summary|totals):' "$work/cg.out" | tail -1 | awk '{print $2}')
tick=$((total / 100))
# The same for a soccer match's clock counting up (its cost stays within 10% of the above).
valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/cg-up.out" \
    "$bindir/board_bench" --mode ticks --ticks 100 --width 1920 --height 1080 --clock up \
    >/dev/null 2>&1
total=$(grep -E '^(summary|totals):' "$work/cg-up.out" | tail -1 | awk '{print $2}')
uptick=$((total / 100))

# The windows timed from outside, with a sound server to open the buzzer's stream.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
    -L module-null-sink -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/bench-pulse" \
    2>/dev/null &
pulse=$!
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/bench-pulse
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
: >"$work/splash"; : >"$work/click"; : >"$work/buzz"
# One start first, so that the cache is as warm as on any start but a laptop's first.
fresh_home
(program "$bindir/startwatch" --click 94,130 -- "$bindir/varnelo" >/dev/null 2>&1)
for _ in $(seq "$runs"); do
    fresh_home
    out=$(program "$bindir/startwatch" --click 94,130 --key b --sound -- "$bindir/varnelo" \
        2>/dev/null)
    echo "$out" | value first-window-ms >>"$work/splash"
    echo "$out" | value click-to-window-ms >>"$work/click"
    echo "$out" | value key-to-sound-ms >>"$work/buzz"
done
kill $pulse 2>/dev/null || true; wait $pulse 2>/dev/null || true; pulse=
unset PULSE_SERVER

# Peak memory with the clock running, the board maximised by a window manager.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1
: >"$work/rss"
for _ in $(seq "$runs"); do
    fresh_home
    program "$bindir/varnelo" >/dev/null 2>&1 &
    p=$!
    w=$(timeout 20 xdotool search --sync --onlyvisible --pid $p --name '^Varnelo$' | head -1)
    sleep 0.5
    xdotool mousemove --window "$w" 94 130 click 1
    sleep 1
    xdotool key s
    sleep 10
    awk '/^VmHWM:/{print $2}' /proc/$p/status >>"$work/rss"
    kill $p; wait $p 2>/dev/null || true
done
kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true; wm=

# A figure of a run that went wrong is missing: the count says so.
count() { wc -l <"$1" | tr -d ' '; }
ms() { printf '%.1f ms (at most %.1f, %s runs)' "$(median <"$1")" "$(largest <"$1")" "$(count "$1")"; }
echo "== operator budgets, 1920x1080, medians of $runs"
printf '%-46s %-10s %s\n' "budget" "limit" "figure"
printf '%-46s %-10s %s\n' "start -> splash on screen" "150 ms" "$(ms "$work/splash")"
printf '%-46s %-10s %s\n' "click on the splash -> board drawn" "60 ms" "$(ms "$work/click")"
printf '%-46s %-10s %s\n' "buzzer key -> sound stream opened, first time" "50 ms" "$(ms "$work/buzz")"
printf '%-46s %-10s %s\n' "peak RSS, board open, clock running" "60 MB" \
    "$(awk "BEGIN{printf \"%.1f MB\", $(median <"$work/rss")/1024}") (at most $(awk "BEGIN{printf \"%.1f\", $(largest <"$work/rss")/1024}"), $(count "$work/rss") runs)"
printf '%-46s %-10s %s\n' "instructions per clock tick (callgrind)" "12 k" \
    "$(awk "BEGIN{printf \"%.1f k\", $tick/1000}")"
printf '%-46s %-10s %s\n' "instructions per tick, match clock counting up" "+10 %" \
    "$(awk "BEGIN{printf \"%.1f k (%+.1f %%)\", $uptick/1000, ($uptick-$tick)*100/$tick}")"
