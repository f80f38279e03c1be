#!/bin/bash
# installed_game_check.sh -- the game installed by `cmake --install` and started by its
# `vellmoor` command from an unrelated folder finds all its files, plays through to the level
# screen, and its Save writes zcxa1.txt into the player's folder, never into the installed tree.
# Run by run_xvfb.sh; $1 is the build folder.
set -u
. "$E2E_LIB"
build=$1
dw=${E2E_SCREEN%x*} dh=${E2E_SCREEN#*x}
[ "$dw" -le 2000 ] && [ "$dh" -le 3000 ] || e2e_fail "this check clicks at unscaled positions"

prefix=$E2E_DIR/prefix
cmake --install "$build" --prefix "$prefix" >"$E2E_DIR/install.log" 2>&1 ||
    e2e_fail "cmake --install failed: $(tail -5 "$E2E_DIR/install.log")"
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %T@ %m %l\n' | sort); }
snapshot >"$E2E_DIR/tree.before"

home=$E2E_DIR/home
folder=$home/.local/share/vellmoor
mkdir -p "$home"
(cd / && exec env -u XDG_DATA_HOME HOME="$home" "$prefix/games/vellmoor") >"$E2E_DIR/game.log" 2>&1 &
E2E_GAME_PID=$!
trap 'kill $E2E_GAME_PID 2>/dev/null; wait $E2E_GAME_PID 2>/dev/null' EXIT

screen_after_click() {  # NAME X Y: clicks at (X, Y) until window NAME is shown
    for _ in 1 2 3; do
        e2e_click "$2" "$3"
        e2e_wait_form "$1" 5 && return 0
    done
    e2e_fail "no $1 after clicking at ($2, $3); the game said: $(tail -3 "$E2E_DIR/game.log")"
}

e2e_wait_form Form1 15 ||
    e2e_fail "the installed game's title did not appear; it said: $(tail -3 "$E2E_DIR/game.log")"
[ "$(readlink "/proc/$E2E_GAME_PID/cwd" 2>/dev/null)" = "$folder" ] ||
    e2e_fail "the game does not run in the player's folder $folder"
title=$(e2e_find_form Form1 | head -1)
eval "$(xdotool getwindowgeometry --shell "$title")"
screen_after_click Form2 $((X + 376 + 37)) $((Y + 392 + 12))  # START
sleep 0.5
screen_after_click Form11 $((dw / 2)) $((dh / 2))
sleep 0.5
screen_after_click Form6 $((dw / 2)) $((dh / 2))
sleep 0.5
[ -e "$folder/zcxa1.txt" ] && e2e_fail "a save file exists before Save"
e2e_click $((dw - 150 + 37)) $((dh - 180 + 12))  # Save, at the level screen's lower right
for _ in $(seq 50); do
    [ -s "$folder/zcxa1.txt" ] && break
    sleep 0.1
done
[ -f "$folder/zcxa1.txt" ] && [ ! -L "$folder/zcxa1.txt" ] ||
    e2e_fail "Save wrote no zcxa1.txt in $folder"
lines=$(wc -l <"$folder/zcxa1.txt")
[ "$lines" = 33 ] || e2e_fail "the save file has $lines lines, not 33"
grep -q "error" "$E2E_DIR/game.log" && e2e_fail "the game reported: $(grep error "$E2E_DIR/game.log")"
kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "the game ended"

snapshot >"$E2E_DIR/tree.after"
diff -q "$E2E_DIR/tree.before" "$E2E_DIR/tree.after" >/dev/null ||
    e2e_fail "the installed tree changed: $(diff "$E2E_DIR/tree.before" "$E2E_DIR/tree.after" | head -5)"
echo "installed game: started by its command from /, played to the level screen, saved" \
    "zcxa1.txt ($lines lines) in $folder, installed tree untouched"
