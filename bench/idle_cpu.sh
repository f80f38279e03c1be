#!/bin/bash
# idle_cpu.sh -- the CPU the real game uses while it idles on the map screen, as a share of one
# core: under Xvfb (tests/e2e/run_xvfb.sh, no window manager, sound written to a file by SDL's
# disk driver), the game is clicked from the title into a battle at normal speed with the music
# on, the level's picture is left to slide away, and then nothing is touched for IDLE_SECONDS
# (10). The figure is the process's user plus system time (/proc/PID/stat) over that wall time.
#
# Usage: bench/idle_cpu.sh [GAME_DIR]      (default build/game; make bench-idle runs it)
# Prints the figure and the target (under 5%). Exits 77 when Xvfb cannot run here, 1 when the
# game could not be brought to the battle.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "${1:-}" != --inside ]; then
    game=$(cd "${1:-$here/../build/game}" && pwd) || exit 1
    [ -x "$game/vellmoor" ] || { echo "no game program in $game: build it first" >&2; exit 1; }
    "$here/../tests/e2e/run_xvfb.sh" --screen 1280x1024 "$here/idle_cpu.sh" --inside "$game"
    status=$?
    [ $status -eq 77 ] && echo "idle CPU not measured: Xvfb cannot run here"
    exit $status
fi

game=$2
idle=${IDLE_SECONDS:-10}
. "$E2E_LIB"
cd "$game" || e2e_fail "no game folder $game"
./vellmoor >"$E2E_DIR/game.log" 2>&1 &
game_pid=$!
trap 'kill $game_pid 2>/dev/null; wait $game_pid 2>/dev/null' EXIT


e2e_title_origin
e2e_click_until Form2 $((X + 376 + 37)) $((Y + 392 + 12))  # START
e2e_click_until Form11 640 512
e2e_click_until Form6 640 512
e2e_click_until Form4 320 512
# Away from the hand, the towers and the switches: no description, no hover text.
xdotool mousemove 640 400
sleep 5  # the level's picture slides away in 50 ticks of 80 ms

# The process's user + system time in clock ticks, and the wall clock in nanoseconds.
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$game_pid/stat") || e2e_fail "the game ended"
    # The name in parentheses may hold spaces: count the fields after its closing parenthesis.
    stat=${stat##*) }
    set -- $stat
    echo $((${12} + ${13}))  # utime and stime, fields 14 and 15 of the whole line
}
hz=$(getconf CLK_TCK)
ticks0=$(cpu_ticks)
wall0=$(date +%s%N)
sleep "$idle"
ticks1=$(cpu_ticks)
wall1=$(date +%s%N)
e2e_form_shown Form4 || e2e_fail "the battle was left during the measurement"
grep -q 'vellmoor: error' "$E2E_DIR/game.log" && e2e_fail "the game reported: $(grep 'vellmoor: error' "$E2E_DIR/game.log")"

awk -v t=$((ticks1 - ticks0)) -v hz="$hz" -v ns=$((wall1 - wall0)) 'BEGIN {
    cpu = t / hz; wall = ns / 1e9; share = 100 * cpu / wall
    printf "idle map screen, 1280x1024 under Xvfb: %.2f s of CPU in %.2f s = %.1f%% of one core (target under 5%%)\n", cpu, wall, share
}'
