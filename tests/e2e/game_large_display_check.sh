#!/bin/bash
# game_large_display_check.sh -- on a display wider than the game's 2000-pixel frame the battle
# can be played: from the title through intro, story and level screen into a battle, where
# both towers stand on the screenshot, the enemy's at the right edge. Run by
# run_xvfb.sh --screen WxH; $1 is the game folder.
set -u
. "$E2E_LIB"
game=$1
dw=${E2E_SCREEN%x*} dh=${E2E_SCREEN#*x}
# The factor the host must choose, and the client size the screens then lay out in.
k=$(((dw + 1999) / 2000))
[ $(((dh + 2999) / 3000)) -gt $k ] && k=$(((dh + 2999) / 3000))
cw=$(((dw + k - 1) / k)) ch=$(((dh + k - 1) / k))

cd "$game" || e2e_fail "no game folder $game"
e2e_start_game ./vellmoor


e2e_title_origin
e2e_click_until Form2 $((X + 376 + 37)) $((Y + 392 + 12))  # START: the intro
sleep 0.5
e2e_click_until Form11 $((dw / 2)) $((dh / 2))  # the story
sleep 0.5
e2e_click_until Form6 $((dw / 2)) $((dh / 2))  # the level screen
sleep 0.5
# Anywhere but its three buttons at the lower right starts the battle.
e2e_click_until Form4 $((dw / 4)) $((dh / 2))
map=$(e2e_find_form Form4 | head -1)
eval "$(xdotool getwindowgeometry --shell "$map")"
[ "${WIDTH}x${HEIGHT}" = "$E2E_SCREEN" ] || e2e_fail "the battle covers ${WIDTH}x${HEIGHT}, not $E2E_SCREEN"
sleep 2  # a few ticks of the battle

shot=$E2E_DIR/battle-$E2E_SCREEN.png
e2e_shot "$shot" || e2e_fail "no screenshot"
# The towers are the game's own pictures: look for each one, enlarged k times, at its column.
read -r enemy_top enemy_share < <("$XWD_TOOL" seek "$E2E_DIR/screen.xwd" \
    pictures/Form3.Image2.bmp $(((cw - 245) * k)) $k)
read -r player_top player_share < <("$XWD_TOOL" seek "$E2E_DIR/screen.xwd" \
    pictures/Form3.Image1.bmp 0 $k)
echo "enemy's tower: top $enemy_top, ${enemy_share} of it seen; player's: top $player_top, ${player_share}"
# The ground hides the towers' feet, and cards and scenery may stand in front: a good part
# of each still shows (with the enemy's beyond the frame, none of it would).
awk -v s="$player_share" 'BEGIN { exit !(s >= 0.35) }' ||
    e2e_fail "the player's tower is not on the screen ($player_share of it seen)"
awk -v s="$enemy_share" 'BEGIN { exit !(s >= 0.35) }' ||
    e2e_fail "the enemy's tower is not on the screen ($enemy_share of it seen)"
kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "the game ended"
[ "${E2E_KEEP:-0}" = 1 ] && echo "screenshot: $shot"
echo "battle on $E2E_SCREEN (client ${cw}x$ch, enlarged $k times): both towers on the screen"
