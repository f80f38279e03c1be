#!/bin/bash
# title_instructions_check.sh -- the real game: a real click on "Instructions" opens the help
# window beside the title, a topic fills its text box, and START makes the title music heard
# (the audio SDL writes to disk is not silent). $1 is the game folder.
set -u
. "$E2E_LIB"
cd "$1" || e2e_fail "no game folder $1"
e2e_start_game ./vellmoor

e2e_title_origin
tx=$X ty=$Y
e2e_wait_pixel $((tx + 360)) $((ty + 378)) '#C0C0C0' || e2e_fail "no silver credits box"

# Count of the points in the help box's lower part that are not plain silver: the welcome
# lines stay at its top, a topic's text runs further down.
inked_points() {
    local points=() x y
    for y in $(seq $((hy + 90)) 3 $((hy + 260))); do
        for x in $(seq $((hx + 170)) 5 $((hx + 580))); do points+=("$x" "$y"); done
    done
    e2e_shot "$E2E_DIR/help.png" || return 1
    e2e_last_pixels "${points[@]}" | grep -vc '#C0C0C0'
}

e2e_click $((tx + 264 + 37)) $((ty + 392 + 12))  # Instructions
e2e_wait_window "VELLMOOR - INSTRUCTIONS" 10 || e2e_fail "the instructions window did not appear"
help=$(xdotool search --onlyvisible --name '^VELLMOOR - INSTRUCTIONS$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$help")"
hx=$X hy=$Y
[ "${WIDTH}x${HEIGHT}" = 615x361 ] || e2e_fail "help window client size ${WIDTH}x${HEIGHT}"
e2e_wait_pixel $((hx + 300)) $((hy + 300)) '#C0C0C0' || e2e_fail "no silver text box"
welcome=$(inked_points)
[ "$welcome" = 0 ] || e2e_fail "the welcome text reaches the lower box ($welcome points)"
e2e_shot "$E2E_DIR/welcome.png"

e2e_click $((hx + 40 + 37)) $((hy + 64 + 12))  # Overview
topic=0
for _ in $(seq 30); do
    topic=$(inked_points)
    [ "$topic" -gt 20 ] && break
    sleep 0.1
done
[ "$topic" -gt 20 ] || e2e_fail "the Overview topic did not fill the box ($topic points)"
[ -n "$(e2e_find_form Form1)" ] ||
    e2e_fail "the title window went away beside the instructions"

# The title's watchdog ticks every second; the help window must stay in front all the same: the
# black gap between the title's tower and its credits must not show through the help text.
sleep 2.2
gap=()
for y in $(seq $((hy + 90)) 3 $((hy + 300))); do gap+=("$((tx + 260))" "$y"); done
e2e_shot "$E2E_DIR/after-watchdog.png" || e2e_fail "no screenshot"
black=$(e2e_last_pixels "${gap[@]}" | grep -c '#000000')
[ "$black" -lt $(( ${#gap[@]} / 4 )) ] || e2e_fail "the title came up over the instructions"

# Silence until START, then the title music.
sleep 0.5
quiet=$(e2e_audio_peak) || e2e_fail "no disk audio file"
[ "$quiet" -lt 100 ] || e2e_fail "sound before START (peak $quiet)"
e2e_click $((tx + 376 + 37)) $((ty + 392 + 12))  # START
e2e_wait_form Form2 10 || e2e_fail "the intro did not appear after START"
peak=0
for _ in $(seq 60); do
    peak=$(e2e_audio_peak)
    [ "$peak" -gt 1000 ] && break
    sleep 0.1
done
[ "$peak" -gt 1000 ] || e2e_fail "START made no sound (peak $peak)"
kill -0 $E2E_GAME_PID 2>/dev/null || e2e_fail "the game ended"
echo "instructions opened by a click and showed a topic; START made sound (peak $peak)"
