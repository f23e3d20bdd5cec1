#!/usr/bin/env bash
# Measures the board beside the same board of QLCDNumber widgets, maximised under Xvfb at
# 1920x1080 and 3840x2160: instructions per clock tick (callgrind), process CPU with the clock
# running and stopped, launch to the first painted board, and peak memory. At 1920x1080 it also
# times the program itself from outside (bench/startwatch.cpp), in German and with a PulseAudio
# null sink of its own: exec to the splash on screen against an empty Qt window (and one that
# shows a single label, which pays for the fonts as the splash does), a click on the
# splash to the board on screen, and the buzzer key to the sound server opening the stream; and
# weighs it, with the clock running, against a Qt-only QLCDNumber board (bench/lcdboard.cpp).
# Ends with the four ratios the program is held to.
set -euo pipefail
cd "$(dirname "$0")/.."
bindir=${BENCH_BIN:-build/bin}
bin=$bindir/board_bench
for b in board_bench varnelo startwatch emptywindow lcdboard; do
    [ -x "$bindir/$b" ] || { echo "build first: cmake --build build ($b)" >&2; exit 1; }
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

instructions() { # board width height -> instructions per tick
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/cg.out" \
        "$bin" --board "$1" --mode ticks --ticks 100 --width "$2" --height "$3" >/dev/null 2>&1
    local total
    total=$(grep -E '^(summary|totals):' "$work/cg.out" | tail -1 | awk '{print $2}')
    echo $((total / 100))
}
value() { grep "^$1 " | awk '{print $2}'; }
median() { sort -n | awk '{v[NR]=$1} END{print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
largest() { sort -n | tail -1; }
ratio() { awk "BEGIN{printf \"%.3f\", $1/$2}"; }

# A fresh user for every start: the default settings in German, no journal to resume. The cache
# stays, as on the operator's laptop: from the second start on the splash's first frame is the
# picture kept from the last one. A first start ever (no cache) is timed on its own.
fresh_home() {
    rm -rf "$work/home"
    mkdir -p "$work/home/.config/Varnelo"
    printf '[LanguageSettings]\nLanguage=de\n' >"$work/home/.config/Varnelo/Varnelo.conf"
}
# Run in a subshell (a command substitution or "&"): it becomes the program, so that $! is its pid.
program() {
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local \
        XDG_CACHE_HOME=${cache:-$work/cache} exec "$@"
}

startup() { # -> the start-up figures at 1920x1080, into $work/startup
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
        -L module-null-sink -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/bench-pulse" \
        2>/dev/null &
    pulse=$!
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/bench-pulse
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
    : >"$work/splash"; : >"$work/empty"; : >"$work/text"; : >"$work/click"; : >"$work/buzz0"; : >"$work/buzz1"
    : >"$work/firststart"
    rm -rf "$work/cache"
    fresh_home
    (program "$bindir/startwatch" --click 94,130 -- "$bindir/varnelo" >/dev/null 2>&1)
    for i in 1 2 3 4 5 6 7 8 9; do
        "$bindir/startwatch" -- "$bindir/emptywindow" 416 223 | value first-window-ms >>"$work/empty"
        "$bindir/startwatch" -- "$bindir/emptywindow" 416 223 "Click to continue." \
            | value first-window-ms >>"$work/text"
        # Timed as the empty windows are: watching the sound server slows any start by some
        # milliseconds.
        fresh_home
        (program "$bindir/startwatch" -- "$bindir/varnelo" 2>/dev/null) \
            | value first-window-ms >>"$work/splash"
        fresh_home
        # The buzzer pressed the moment the board is drawn, and a second later.
        think=$(( i % 2 == 1 ? 0 : 1000 ))
        out=$(program "$bindir/startwatch" --click 94,130 --key b --sound --key-think $think \
            -- "$bindir/varnelo" 2>/dev/null)
        echo "$out" | value click-to-window-ms >>"$work/click"
        echo "$out" | value key-to-sound-ms >>"$work/buzz$(( think ? 1 : 0 ))"
        fresh_home
        rm -rf "$work/nocache"
        (cache=$work/nocache program "$bindir/startwatch" -- "$bindir/varnelo" 2>/dev/null) \
            | value first-window-ms >>"$work/firststart"
    done
    kill $pulse 2>/dev/null || true; wait $pulse 2>/dev/null || true; pulse=

    # Peak memory with the clock running, each window maximised by a window manager.
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    sleep 1
    : >"$work/rss"; : >"$work/rsslcd"
    for _ in 1 2 3; do
        fresh_home
        program "$bindir/varnelo" >/dev/null 2>&1 &
        local p=$!
        local w
        w=$(timeout 20 xdotool search --sync --onlyvisible --pid $p --name '^Varnelo$' | head -1)
        sleep 0.5
        xdotool mousemove --window "$w" 94 130 click 1
        sleep 1
        xdotool key s
        sleep 10
        awk '/^VmHWM:/{print $2}' /proc/$p/status >>"$work/rss"
        kill $p; wait $p 2>/dev/null || true
        "$bindir/lcdboard" board/scoreboard.json &
        p=$!
        sleep 11
        awk '/^VmHWM:/{print $2}' /proc/$p/status >>"$work/rsslcd"
        kill $p; wait $p 2>/dev/null || true
    done
    kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true; wm=
}

for res in ${BENCH_RESOLUTIONS:-1920x1080 3840x2160}; do
    w=${res%x*}; h=${res#*x}
    Xvfb $display -screen 0 "${res}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    kill -0 $xvfb 2>/dev/null || { echo "Xvfb could not take $display: BENCH_DISPLAY=:NN" >&2; exit 1; }
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
    if [ "$res" = 1920x1080 ]; then
        tick_ratio=$(ratio "$ours" "$theirs")
        startup
        splash=$(median <"$work/splash"); empty=$(median <"$work/empty")
        click=$(median <"$work/click"); click_max=$(largest <"$work/click")
        rss=$(median <"$work/rss"); rsslcd=$(median <"$work/rsslcd")
        printf 'exec to splash on screen: varnelo %.1f ms, empty Qt window %.1f ms (medians of 9), ratio %s\n' \
            "$splash" "$empty" "$(ratio "$splash" "$empty")"
        printf 'exec to splash on screen against a window of one label: %.1f ms, ratio %s\n' \
            "$(median <"$work/text")" "$(ratio "$splash" "$(median <"$work/text")")"
        printf 'exec to splash on screen, first start ever (no picture kept): %.1f ms, ratio %s\n' \
            "$(median <"$work/firststart")" "$(ratio "$(median <"$work/firststart")" "$empty")"
        printf 'click to board on screen: %.1f ms median, %.1f ms at most (of 9)\n' "$click" "$click_max"
        printf 'buzzer key to sound stream: %.1f ms median, %.1f ms at most when pressed as the board appears (5); %.1f ms, %.1f ms a second later (4)\n' \
            "$(median <"$work/buzz0")" "$(largest <"$work/buzz0")" \
            "$(median <"$work/buzz1")" "$(largest <"$work/buzz1")"
        printf 'peak memory, clock running, maximised: varnelo %s kB, Qt-only QLCDNumber board %s kB (medians of 3), ratio %s\n' \
            "$rss" "$rsslcd" "$(ratio "$rss" "$rsslcd")"
    fi
    kill $xvfb; wait $xvfb 2>/dev/null || true
done
echo "== goals"
printf 'exec to splash / empty window: %s (at most 1.2)\n' "$(ratio "$splash" "$empty")"
printf 'peak memory / QLCDNumber board: %s (at most 1.1)\n' "$(ratio "$rss" "$rsslcd")"
printf 'instructions per tick / QLCDNumber: %s (at most 0.08)\n' "$tick_ratio"
printf 'click to board: %.1f ms (at most 20)\n' "$click"
