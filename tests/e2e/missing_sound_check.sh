#!/bin/bash
# missing_sound_check.sh -- the real game in a folder without drums.wav: start-up stops with a
# message naming the file, on stderr and in a window of its own, and OK ends the program with a
# non-zero status. $1 is the game folder (left untouched: the game runs in a linked copy).
set -u
. "$E2E_LIB"
source=$(cd "$1" && pwd) || e2e_fail "no game folder $1"
game=$E2E_DIR/game
mkdir "$game" || e2e_fail "cannot make $game"
for f in "$source"/*; do ln -s "$f" "$game/"; done
rm "$game/drums.wav"
cd "$game" || e2e_fail "no game folder"
e2e_start_game ./vellmoor

e2e_wait_window "Vellmoor" 15 || e2e_fail "no message window (log: $(cat "$E2E_DIR/game.log"))"
grep -q 'drums.wav' "$E2E_DIR/game.log" || e2e_fail "stderr does not name drums.wav"
e2e_shot "$E2E_DIR/message.png"
box=$(xdotool search --onlyvisible --name '^Vellmoor$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$box")"
[ "$HEIGHT" -lt 200 ] || e2e_fail "the window is ${WIDTH}x${HEIGHT}: the title, not a message"
kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "the program did not wait for the message to be read"

e2e_click $((X + WIDTH / 2)) $((Y + HEIGHT - 16 - 12))  # OK
for _ in $(seq 50); do
    kill -0 $E2E_GAME_PID 2>/dev/null || break
    sleep 0.1
done
kill -0 $E2E_GAME_PID 2>/dev/null && e2e_fail "OK did not end the program"
wait $E2E_GAME_PID
status=$?
trap - EXIT
[ "$status" -ne 0 ] || e2e_fail "the program ended with status 0"
echo "missing drums.wav: named on stderr and in a message window; status $status"
