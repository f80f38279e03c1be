#!/bin/bash
# game_start_check.sh -- the real game: the title window appears where it belongs, and a real
# click on START hides it and shows the intro screen over the whole display.
# $1 is the game folder.
set -u
. "$E2E_LIB"
cd "$1" || e2e_fail "no game folder $1"
e2e_start_game ./vellmoor

e2e_title_origin
[ "$WIDTH" = 460 ] && [ "$HEIGHT" = 424 ] || e2e_fail "title client size ${WIDTH}x${HEIGHT}"
# The title picture's key colour is left out: the window's black shows at its top-left corner.
sleep 0.5
[ "$(e2e_pixel $((X + 9)) $((Y + 9)))" = "#000000" ] || e2e_fail "key colour shows on the title"

e2e_click $((X + 376 + 37)) $((Y + 392 + 12))  # START
e2e_wait_form Form2 10 || e2e_fail "the intro screen did not appear after START"
intro=$(e2e_find_form Form2 | head -1)
eval "$(xdotool getwindowgeometry --shell "$intro")"
[ "$X" = 0 ] && [ "$Y" = 0 ] || e2e_fail "the intro starts at $X,$Y"
[ "${WIDTH}x${HEIGHT}" = "$E2E_SCREEN" ] || e2e_fail "the intro is ${WIDTH}x${HEIGHT}, not $E2E_SCREEN"
sleep 0.3
[ -n "$(e2e_find_form Form1)" ] && e2e_fail "the title stayed visible"
kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "the game ended"
echo "title shown, START leads to the intro covering the display"
