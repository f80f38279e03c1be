#!/bin/bash
# screen_cpu.sh -- the CPU the real game uses on each screen, beside the floor: a program of
# ours that only clears and presents a full-screen frame at the same interval.
#
# Under Xvfb (tests/e2e/run_xvfb.sh, no window manager, sound mixed and dropped by SDL's disk
# driver) at each display size, the game is clicked from the title through the intro, the story
# and the level screen into a battle; the battle's end is then brought forward with gdb (the
# enemy's tower set to 0 in the eleventh battle), which leads to the result screen, and a click
# there to the final screen. On each screen the floor program is started at that screen's
# interval in the same X server, and both processes' CPU (user + system, every thread, from
# /proc/PID/task/*/schedstat) is read over the same ROUNDS x SECONDS of wall time, so both see
# the same load. The table gives the median share of one core and the ratio, with the spread
# over the rounds.
#
# Usage: bench/cpu/screen_cpu.sh BUILD_DIR [SIZE...]     (make bench-cpu runs it)
#   SIZE is WIDTHxHEIGHT; 1280x720 and 1920x1080 by default.
#   ROUNDS (5) and SECONDS_EACH (3) set the measurement; without gdb the result and final screens
#   are left out with a note. With PERF_DIR set, each screen is then also profiled for 4 s by
#   perf (PERF_DIR/SIZE-SCREEN.data; read it with perf report -i FILE).
# Exits 77 when Xvfb cannot run here, 1 when the game could not be brought to a screen.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ "${1:-}" != --inside ]; then
    build=$(cd "${1:-$here/../../build}" && pwd) || exit 1
    shift
    game=$build/game
    floor=$build/bench/vellmoor-present-floor
    [ -x "$game/vellmoor" ] || { echo "no game program in $game: build it first" >&2; exit 1; }
    [ -x "$floor" ] || { echo "no floor program $floor: build it first" >&2; exit 1; }
    [ -n "${PERF_DIR:-}" ] && { mkdir -p "$PERF_DIR" && PERF_DIR=$(cd "$PERF_DIR" && pwd) || exit 1; export PERF_DIR; }
    sizes=("$@")
    [ ${#sizes[@]} -eq 0 ] && sizes=(1280x720 1920x1080)
    echo "CPU per screen, in % of one core: median over ${ROUNDS:-5} rounds of ${SECONDS_EACH:-3} s [min to max]"
    echo "machine: $(nproc) cores, $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -1), load average $(cut -d' ' -f1-3 /proc/loadavg)"
    status=0
    for size in "${sizes[@]}"; do
        XWD_TOOL=${XWD_TOOL:-$build/tests/e2e/xwd_tool} \
            "$here/../../tests/e2e/run_xvfb.sh" --screen "$size" "$here/screen_cpu.sh" --inside "$game" "$floor" "$size"
        s=$?
        [ $s -eq 77 ] && { echo "not measured: Xvfb cannot run here"; exit 77; }
        [ $s -ne 0 ] && status=$s
    done
    exit $status
fi

game=$2
floor=$3
size=$4
width=${size%x*}
height=${size#*x}
rounds=${ROUNDS:-5}
seconds=${SECONDS_EACH:-3}
. "$E2E_LIB"
cd "$game" || e2e_fail "no game folder $game"
# The game still mixes its sound, but SDL's disk driver drops it instead of growing a file: the
# file system's work is the harness's, not the game's (a desktop's sound server takes it).
export SDL_DISKAUDIOFILE=/dev/null
e2e_start_game ./vellmoor
floor_pid=
stop_floor() {
    if [ -n "$floor_pid" ]; then
        kill "$floor_pid" 2>/dev/null
        wait "$floor_pid" 2>/dev/null
        floor_pid=
    fi
}
trap 'stop_floor; kill $E2E_GAME_PID 2>/dev/null; wait $E2E_GAME_PID 2>/dev/null' EXIT

# Nanoseconds on a CPU, summed over the process's threads.
cpu_ns() {
    local total=0 t
    for t in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$t" 2>/dev/null && total=$((total + run))
    done
    echo "$total"
}

# measure NAME INTERVAL: the floor beside the game for the rounds; one table row.
measure() {
    local name=$1 interval=$2 shares=() g0 f0 w0 g1 f1 w1
    "$floor" "$interval" >"$E2E_DIR/floor.log" 2>&1 &
    floor_pid=$!
    e2e_wait_window "present floor" 10 || e2e_fail "the floor program did not show its window"
    sleep 1
    for _ in $(seq "$rounds"); do
        g0=$(cpu_ns "$E2E_GAME_PID") f0=$(cpu_ns "$floor_pid") w0=$(date +%s%N)
        sleep "$seconds"
        g1=$(cpu_ns "$E2E_GAME_PID") f1=$(cpu_ns "$floor_pid") w1=$(date +%s%N)
        shares+=("$(( (g1 - g0) )) $(( (f1 - f0) )) $(( w1 - w0 ))")
    done
    stop_floor
    if [ -n "${PERF_DIR:-}" ]; then
        perf record -q -F 997 -g -p "$E2E_GAME_PID" -o "$PERF_DIR/$size-$name.data" -- sleep 4 \
            >/dev/null 2>&1 || echo "perf could not profile the game" >&2
    fi
    printf '%s\n' "${shares[@]}" | awk -v name="$name" -v iv="$interval" -v size="$size" '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j-1] > a[j]; --j) { t = a[j]; a[j] = a[j-1]; a[j-1] = t }
            return n % 2 ? a[(n+1)/2] : (a[n/2] + a[n/2+1]) / 2
        }
        function lo(a, n,   i, m) { m = a[1]; for (i = 2; i <= n; ++i) if (a[i] < m) m = a[i]; return m }
        function hi(a, n,   i, m) { m = a[1]; for (i = 2; i <= n; ++i) if (a[i] > m) m = a[i]; return m }
        { ++n; g[n] = 100 * $1 / $3; f[n] = 100 * $2 / $3; r[n] = $2 > 0 ? $1 / $2 : 0 }
        END {
            printf "| %s | %s (%d ms) | %.1f [%.1f to %.1f] | %.1f [%.1f to %.1f] | %.2f [%.2f to %.2f] |\n",
                size, name, iv, median(g, n), lo(g, n), hi(g, n), median(f, n), lo(f, n), hi(f, n),
                median(r, n), lo(r, n), hi(r, n)
        }'
}

# gdb_set ASSIGNMENT...: sets game variables in the running game (its debugging information names them).
gdb_set() {
    local args=() a
    for a in "$@"; do args+=(-ex "set var vm::Game()::state.$a"); done
    timeout 60 gdb -p "$E2E_GAME_PID" -batch -nx "${args[@]}" >"$E2E_DIR/gdb.log" 2>&1
}

echo "| Display | Screen (interval) | Game | Floor | Ratio |"
echo "|---|---|---|---|---|"
e2e_title_origin
e2e_click_until Form2 $((X + 376 + 37)) $((Y + 392 + 12))  # START
xdotool mousemove $((width / 2)) $((height / 3))
sleep 1
measure intro 10
e2e_click_until Form11 $((width / 2)) $((height * 2 / 3))
measure story 75
e2e_click_until Form6 $((width / 2)) $((height * 2 / 3))
measure level 70
e2e_click_until Form4 $((width / 4)) $((height * 2 / 3))
# Away from the hand, the towers and the switches: no description, no hover text.
xdotool mousemove $((width / 2)) $((height * 4 / 10))
sleep 5  # the level's picture slides away in 50 ticks of 80 ms
measure battle 80
if ! command -v gdb >/dev/null 2>&1 || ! gdb_set Level=11 EnemyTower=0; then
    echo "| $size | result, final | not measured: gdb could not set the battle's end |||"
    exit 0
fi
e2e_wait_form Form7 10 || e2e_fail "no result screen after the enemy's tower fell ($(cat "$E2E_DIR/gdb.log"))"
xdotool mousemove $((width / 2)) $((height / 3))
sleep 1
measure result 20
e2e_click_until Form8 $((width / 2)) $((height * 2 / 3))
sleep 1
measure final 20
