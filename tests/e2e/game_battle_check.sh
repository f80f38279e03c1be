#!/bin/bash
# game_battle_check.sh -- the real game, played by real clicks from the title into a battle:
# START, the intro, the story and the level screen, each seen on the screen by pixels that only
# it has; in the battle the speed switch goes to fast, cards are played and discarded until the
# enemy has moved at least twice (its skull or its turn marker seen, and the moon moved on after
# each of its moves); "?" opens the instructions, which close again as a window manager's close
# icon closes them; the sound switch stops the drums (the audio written to disk turns silent)
# and starts them again. Run by run_xvfb.sh on its 1280x1024 screen; $1 is the game folder, $2
# the wm_close tool. Screenshots of every step are kept with E2E_KEEP=1.
set -u
. "$E2E_LIB"
game=$1
wm_close=$2
if [ "$wm_close" = none ]; then
    echo "skipped: no wm_close tool (the X11 development files were missing at build time)"
    exit 77
fi
[ "$E2E_SCREEN" = 1280x1024 ] || e2e_fail "the pixels below are those of a 1280x1024 screen, not $E2E_SCREEN"
readonly W=1280 H=1024
readonly HAND_LEFT=$((W / 2 - 560))

cd "$game" || e2e_fail "no game folder $game"
e2e_start_game ./vellmoor

# grab: one screenshot, read by the pixel lookups that follow (e2e_last_pixels).
grab() {
    xwd -root -silent >"$E2E_DIR/screen.xwd" || e2e_fail "xwd could not take a screenshot"
}

step=0
# screen_shows NAME SECONDS X Y COLOUR [X Y COLOUR ...]: waits until one screenshot shows every
# COLOUR at its point (rain, stars and tooltips may cover a point for a moment), then keeps it
# as NN-NAME.png. Fails naming the points that differ.
screen_shows() {
    local name=$1 tries=$(($2 * 5)) points=() wanted=() seen diff i
    shift 2
    while [ $# -ge 3 ]; do
        points+=("$1" "$2")
        wanted+=("$3")
        shift 3
    done
    for _ in $(seq "$tries"); do
        grab
        mapfile -t seen < <(e2e_last_pixels "${points[@]}")
        diff=
        for i in "${!wanted[@]}"; do
            [ "${seen[$i]:-}" = "${wanted[$i]}" ] ||
                diff+=" (${points[$((2 * i))]},${points[$((2 * i + 1))]}) is ${seen[$i]:-?}, not ${wanted[$i]};"
        done
        if [ -z "$diff" ]; then
            step=$((step + 1))
            "$XWD_TOOL" png "$E2E_DIR/screen.xwd" "$E2E_DIR/$(printf %02d $step)-$name.png"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the screen does not show the $name:$diff"
}


# Title, then START.
e2e_title_origin
# The credits' silver box and the tower with its lit window.
screen_shows title 10 $((X + 360)) $((Y + 378)) '#C0C0C0' $((X + 150)) $((Y + 350)) '#5B626E' \
    $((X + 182)) $((Y + 179)) '#F2B054'
e2e_click_until Form2 $((X + 376 + 37)) $((Y + 392 + 12))

# The intro: the game's name and the moon in its frame.
screen_shows intro 10 184 52 '#7E4B20' 244 64 '#9D6E28' 304 76 '#713D16' 1024 124 '#DEDEE0'
e2e_click_until Form11 $((W / 2)) $((H / 2))
# The story: the picture of the heroine on the cliff.
screen_shows story 10 688 160 '#DDDEE3' 220 196 '#737782' 556 436 '#BEC1C8' 1060 796 '#C3C4C8'
e2e_click_until Form6 $((W / 2)) $((H / 2))
# The level screen: the map of the land, its sea, and the briefing's yellow text.
screen_shows level 10 604 400 '#6A6B43' 1072 316 '#142038' 292 196 '#1A2C42' 920 602 '#FFFF00'
# Anywhere but its buttons at the lower right starts the battle.
e2e_click_until Form4 $((W / 4)) $((H / 2))

# The battle: both resource panels and the ground; the speed switch shows normal speed.
xdotool mousemove $((W / 2)) 400
readonly PANELS=(292 940 '#200401' 1072 940 '#200401' 16 928 '#060910' 580 952 '#10151B')
screen_shows battle 10 "${PANELS[@]}" 77 23 '#3D495F' 77 29 '#D8DFFC'
e2e_click 75 25  # the speed switch
xdotool mousemove $((W / 2)) 400
screen_shows fast-mode 5 "${PANELS[@]}" 77 23 '#C2AB77' 77 29 '#412500'
sleep 2.5  # the level's picture slides away over the first 50 ticks

# What one screenshot of the battle tells.
#   moon: the moon's colour, which changes at the end of every turn (white, blue, red, yellow)
#   player / enemy: whose turn marker stands at the foot of a tower
#   skull: the enemy's skull of its move
#   dimmed: the hand is dimmed, every second row black, while a played card's animation runs
#   slot k: g when card k is greyed (it cannot be paid: a click discards it), p when it can be
#   paid, ? when neither (something covers it)
# The turn marker is green fire and the skull is red: painted, so told by their tint.
# green #RRGGBB / red #RRGGBB: whether a pixel is strongly that colour.
green() {
    local r=$((16#${1:1:2})) g=$((16#${1:3:2})) b=$((16#${1:5:2}))
    [ $((g - r)) -gt 40 ] && [ $((g - b)) -gt 30 ]
}
red() {
    local r=$((16#${1:1:2})) g=$((16#${1:3:2})) b=$((16#${1:5:2}))
    [ $((r - g)) -gt 50 ] && [ $((r - b)) -gt 50 ]
}
# moon_colour #RRGGBB: which moon a pixel of the moon's disc belongs to, by its tint (the
# painted moons have seas and craters, so no one colour names them), or ? for the sky.
moon_colour() {
    local r=$((16#${1:1:2})) g=$((16#${1:3:2})) b=$((16#${1:5:2}))
    if [ $((r + g + b)) -lt 240 ]; then echo ?
    elif [ $((b - r)) -gt 30 ]; then echo blue
    elif [ $((r - g)) -gt 50 ] && [ $((r - b)) -gt 50 ]; then echo red
    elif [ $((r - b)) -gt 40 ] && [ $((g - b)) -gt 40 ]; then echo yellow
    elif [ $((r - b)) -lt 12 ] && [ $((b - r)) -lt 12 ] && [ $((r - g)) -lt 12 ] && [ $((g - r)) -lt 12 ]; then echo white
    else echo ?
    fi
}
read_battle() {
    grab
    local points=(1230 120 1244 136 75 908 100 908 $((W - 100)) 908 $((W - 75)) 908
        620 740 620 760 620 780) k x0 v i
    for k in 1 2 3 4 5; do
        x0=$((HAND_LEFT + 160 * k))
        points+=($((x0 + 10)) 16 $((x0 + 50)) 16 $((x0 + 150)) 16 $((x0 + 11)) 16)
    done
    mapfile -t v < <(e2e_last_pixels "${points[@]}")
    moon=?
    for i in 0 1; do
        moon=$(moon_colour "${v[$i]}")
        [ "$moon" != ? ] && break
    done
    player=0 enemy=0 skull=0 dimmed=1
    green "${v[2]}" && green "${v[3]}" && player=1
    green "${v[4]}" && green "${v[5]}" && enemy=1
    red "${v[6]}" && red "${v[7]}" && red "${v[8]}" && skull=1
    slots=
    for k in 0 1 2 3 4; do
        i=$((9 + 4 * k))
        [ "${v[$((i + 3))]}" = '#000000' ] || dimmed=0
        if [ "${v[$i]}${v[$((i + 1))]}${v[$((i + 2))]}" = '#000000#000000#000000' ]; then
            slots+=g
        elif [[ "${v[$i]}${v[$((i + 1))]}${v[$((i + 2))]}" != *'#000000'* ]]; then
            slots+=p
        else
            slots+=?
        fi
    done
}

# Turns: play a card that can be paid once, discard a greyed one once, and go on until the
# enemy has moved twice. Each move is a real pointer move onto the card, a tick's wait and a
# click; the pointer then leaves the hand, so that no description covers it.
plays=0 discards=0 enemy_moves=0 turn=0 skull_seen=0
while [ $enemy_moves -lt 2 ] || [ $plays -eq 0 ] || [ $discards -eq 0 ]; do
    turn=$((turn + 1))
    [ $turn -le 12 ] || e2e_fail "after 12 turns: $plays plays, $discards discards, $enemy_moves moves of the enemy"
    # The player's move is free: its marker stands, the hand is not dimmed, every card is read.
    ready=0
    for _ in $(seq 50); do
        read_battle
        if [ $player = 1 ] && [ $dimmed = 0 ] && [ "$moon" != ? ] && [[ "$slots" != *'?'* ]]; then
            ready=1
            break
        fi
        sleep 0.1
    done
    [ $ready = 1 ] || e2e_fail "turn $turn: the player's move does not come (marker $player, hand $slots, moon $moon)"
    moon_before=$moon hand=$slots
    if [ $plays -eq 0 ] && [[ "$slots" == *p* ]]; then
        move=play
        slot=$(($(expr index "$slots" p)))
    elif [[ "$slots" == *g* ]]; then
        move=discard
        slot=$(($(expr index "$slots" g)))
    else
        move=play
        slot=1
    fi
    x=$((HAND_LEFT + 160 * slot + 80))
    e2e_click $x 150
    xdotool mousemove $((W / 2)) 400
    # A play dims the hand for its animation; a discard lets the enemy move at once.
    saw_dimmed=0 saw_enemy=0 saw_skull=0 moon_after=$moon_before
    for _ in $(seq 150); do
        read_battle
        [ $dimmed = 1 ] && saw_dimmed=1
        [ $enemy = 1 ] && saw_enemy=1
        [ $skull = 1 ] && saw_skull=1
        if [ "$moon" != ? ] && [ "$moon" != "$moon_before" ]; then
            moon_after=$moon
            break
        fi
        sleep 0.05
    done
    [ "$moon_after" != "$moon_before" ] ||
        e2e_fail "turn $turn: the $move of card $slot did not end the turn (moon stays $moon_before)"
    if [ $move = play ]; then
        [ $saw_dimmed = 1 ] || e2e_fail "turn $turn: card $slot could be paid, but no animation dimmed the hand"
        plays=$((plays + 1))
    else
        [ $saw_dimmed = 0 ] || e2e_fail "turn $turn: greyed card $slot was played, not discarded"
        discards=$((discards + 1))
    fi
    [ $saw_enemy = 1 ] || [ $saw_skull = 1 ] ||
        e2e_fail "turn $turn: the moon moved on ($moon_before to $moon_after) but the enemy's move was never seen"
    enemy_moves=$((enemy_moves + 1))
    skull_seen=$((skull_seen + saw_skull))
    echo "turn $turn: hand $hand, $move of card $slot; enemy's move seen (skull $saw_skull, marker $saw_enemy); moon $moon_before -> $moon_after"
    step=$((step + 1))
    "$XWD_TOOL" png "$E2E_DIR/screen.xwd" "$E2E_DIR/$(printf %02d $step)-turn-$turn.png"
done

# "?" during the battle: the instructions come up over it, and close by their close icon.
e2e_click $((W - 11)) $((H - 10))
e2e_wait_window "VELLMOOR - INSTRUCTIONS" 10 || e2e_fail "\"?\" did not open the instructions"
help=$(xdotool search --onlyvisible --name '^VELLMOOR - INSTRUCTIONS$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$help")"
hx=$X hy=$Y
[ "${WIDTH}x${HEIGHT}" = 615x361 ] || e2e_fail "help window client size ${WIDTH}x${HEIGHT}"
[ -n "$(e2e_find_form Form4)" ] || e2e_fail "the battle went away behind the instructions"
# The silver text box and the red "Here Be Dragons" beside the battle's panels.
screen_shows instructions 10 $((hx + 300)) $((hy + 300)) '#C0C0C0' $((hx + 10)) $((hy + 30)) '#FF0000' \
    $((hx + 18)) $((hy + 30)) '#FF0000' \
    "${PANELS[@]}"
"$wm_close" "$help" || e2e_fail "the close request did not reach the instructions"
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^VELLMOOR - INSTRUCTIONS$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^VELLMOOR - INSTRUCTIONS$' >/dev/null 2>&1 &&
    e2e_fail "the instructions stayed open after their close icon"
kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "closing the instructions ended the game"
# The battle's next tick paints over the place where they were.
gone=0
for _ in $(seq 30); do
    grab
    [ "$(e2e_last_pixels $((hx + 300)) $((hy + 300)))" != '#C0C0C0' ] && gone=1 && break
    sleep 0.1
done
[ $gone = 1 ] || e2e_fail "the instructions still show after they were closed"
screen_shows instructions-closed 5 "${PANELS[@]}"

# The sound switch. The drums play while it is on; off, the disk audio grows with silence;
# on again, they are back. Each stretch of audio is read from where the file stood.
audio_size() { stat -c %s "$SDL_DISKAUDIOFILE"; }
# audio_peak_since BYTES: the loudest sample written after the first BYTES of the file.
audio_peak_since() {
    tail -c +$(($1 + 1)) "$SDL_DISKAUDIOFILE" >"$E2E_DIR/stretch.raw"
    [ -s "$E2E_DIR/stretch.raw" ] || e2e_fail "no audio was written in the last stretch"
    "$XWD_TOOL" peak "$E2E_DIR/stretch.raw"
}
sleep 1  # the last move's own sounds end
from=$(audio_size)
sleep 1.5
drums=$(audio_peak_since "$from")
[ "$drums" -gt 3000 ] || e2e_fail "no drums in the battle (peak $drums)"
e2e_click 25 25
xdotool mousemove $((W / 2)) 400
screen_shows music-off 5 "${PANELS[@]}" 41 11 '#3A0000' 29 23 '#3E0000'
sleep 0.5  # what the mixer had already written
from=$(audio_size)
sleep 1.5
quiet=$(audio_peak_since "$from")
[ "$quiet" -lt 64 ] || e2e_fail "the drums go on with the music switched off (peak $quiet)"
e2e_click 25 25
xdotool mousemove $((W / 2)) 400
screen_shows music-on 5 "${PANELS[@]}" 41 11 '#3E2A1F' 29 23 '#674927'
sleep 0.3
from=$(audio_size)
sleep 1.5
again=$(audio_peak_since "$from")
[ "$again" -gt 3000 ] || e2e_fail "the drums did not come back with the music switched on (peak $again)"

kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "the game ended"
grep -q 'vellmoor: error' "$E2E_DIR/game.log" && e2e_fail "the game reported: $(grep 'vellmoor: error' "$E2E_DIR/game.log")"
echo "title, intro, story, level screen, battle in fast mode: $plays play(s), $discards discard(s), the enemy moved $enemy_moves times (its skull seen in $skull_seen of them); instructions opened and closed; drums peak $drums, switched off $quiet, on again $again"
