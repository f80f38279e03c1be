#!/bin/bash
# window_manager_check.sh -- the real game under a real window manager (openbox) with a desktop
# panel (a DOCK window) along the bottom of the screen: one click acts on a window that has not
# the focus (START after the instructions took it; a card while the instructions are in front);
# the screens are full screen above the panel; every window is listed as "Vellmoor" (the
# instructions by their caption), carries the class "vellmoor" and an icon; the title offers
# only move and close. Run by run_xvfb.sh; $1 is the game folder, $2 the dock_window tool.
set -u
. "$E2E_LIB"
game=$1
dock=$2
[ "$dock" = none ] && { echo "skipped: no dock_window tool (no X11 development files)"; exit 77; }
command -v openbox >/dev/null 2>&1 || { echo "skipped: openbox is not installed"; exit 77; }
W=${E2E_SCREEN%x*} H=${E2E_SCREEN#*x}
readonly DOCK_HEIGHT=48 DOCK_COLOUR=FF00FF

HOME=$E2E_DIR openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 &
wm_pid=$!
"$dock" $DOCK_HEIGHT $DOCK_COLOUR >"$E2E_DIR/dock.log" 2>&1 &
dock_pid=$!
cleanup() {
    kill "${E2E_GAME_PID:-}" "$dock_pid" "$wm_pid" 2>/dev/null
    wait 2>/dev/null
}
# The window manager has taken the screen once it announces itself and keeps the panel's strip.
for _ in $(seq 100); do
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 0, $W, $((H - DOCK_HEIGHT))" && break
    sleep 0.1
done
xprop -root _NET_WORKAREA | grep -q "= 0, 0, $W, $((H - DOCK_HEIGHT))" ||
    e2e_fail "openbox did not reserve the panel's strip: $(xprop -root _NET_WORKAREA)"

cd "$game" || e2e_fail "no game folder $game"
e2e_start_game ./vellmoor
trap cleanup EXIT

# has PROPERTY WINDOW TEXT: the window's property contains TEXT.
has() {
    xprop -id "$2" "$1" 2>/dev/null | grep -qF -- "$3"
}
focused_is() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
# settled FORM: the id of FORM's window once two looks 0.2 s apart find the same one (a window
# manager maps, frames and restacks a window in several steps).
settled() {
    local a b
    for _ in $(seq 25); do
        a=$(e2e_find_form "$1" | head -1)
        sleep 0.2
        b=$(e2e_find_form "$1" | head -1)
        [ -n "$a" ] && [ "$a" = "$b" ] && { echo "$a"; return 0; }
    done
    return 1
}
wait_focus() {  # WINDOW: until it has the focus
    for _ in $(seq 50); do
        focused_is "$1" && return 0
        sleep 0.1
    done
    return 1
}
identity() {  # FORM NAME: the window of FORM is listed as NAME, with class and icon
    local w
    w=$(settled "$1") || e2e_fail "no settled window $1"
    has WM_NAME "$w" "\"$2\"" || e2e_fail "$1 is listed as $(xprop -id "$w" WM_NAME), not $2"
    has WM_CLASS "$w" "\"$1\", \"vellmoor\"" || e2e_fail "$1 has $(xprop -id "$w" WM_CLASS)"
    has _NET_WM_ICON "$w" "Icon (" || e2e_fail "$1 carries no icon"
}

# The title: fixed, only move and close.
e2e_title_origin
title=$(settled Form1) || e2e_fail "the title window does not settle"
identity Form1 Vellmoor
actions=$(xprop -id "$title" _NET_WM_ALLOWED_ACTIONS)
[[ "$actions" == *_NET_WM_ACTION_CLOSE* ]] || e2e_fail "the title cannot be closed: $actions"
# openbox keeps minimising in the window menu whatever a window asks; its frame shows only the
# close icon once neither maximising nor resizing is allowed.
for action in MAXIMIZE RESIZE; do
    [[ "$actions" != *_NET_WM_ACTION_$action* ]] || e2e_fail "the title offers $action: $actions"
done
e2e_shot "$E2E_DIR/title.png"

# "Instructions" takes the focus; then one click on START starts the intro.
e2e_click $((X + 264 + 37)) $((Y + 392 + 12))
e2e_wait_form Form9 10 || e2e_fail "Instructions did not open the help window"
help=$(settled Form9) || e2e_fail "the help window does not settle"
wait_focus "$help" || e2e_fail "the help window did not take the focus"
identity Form9 "VELLMOOR - INSTRUCTIONS"
has _NET_WM_STATE "$help" _NET_WM_STATE_SKIP_TASKBAR || e2e_fail "the help window has a task bar entry"
e2e_click $((X + 376 + 37)) $((Y + 392 + 12))
e2e_wait_form Form2 5 || e2e_fail "one click on START beside the focused instructions did nothing"

# Through intro, story and level screen into the battle.
e2e_click_until Form11 $((W / 2)) $((H / 2))
e2e_click_until Form6 $((W / 2)) $((H / 2))
e2e_click_until Form4 $((W / 4)) $((H / 2))
# The window manager maps the battle, then makes it full screen: wait for both.
battle_full_screen() {
    battle=$(e2e_find_form Form4 | head -1)
    [ -n "$battle" ] && has _NET_WM_STATE "$battle" _NET_WM_STATE_FULLSCREEN || return 1
    xwininfo -id "$battle" >/dev/null 2>&1 && e2e_geometry "$battle"
    [ "$X,$Y,${WIDTH}x$HEIGHT" = "0,0,${W}x$H" ]
}
e2e_wait_until "full-screen battle" 10 battle_full_screen ||
    e2e_fail "the battle is not full screen: $(xprop -id "${battle:-0}" _NET_WM_STATE) at $X,$Y ${WIDTH}x$HEIGHT"
identity Form4 Vellmoor
xdotool mousemove $((W / 2)) 400
sleep 1
[ "$(e2e_pixel $((W / 2)) $((H - DOCK_HEIGHT / 2)))" != "#$DOCK_COLOUR" ] ||
    e2e_fail "the panel covers the battle"

# "?" brings the instructions to the front with the focus; one click on a card is a move: the
# player's turn marker at the lower left goes (an animation, or the enemy's turn).
marker() { e2e_pixel 75 $((H - 116)); }
e2e_click $((W - 11)) $((H - 10))
help=$(settled Form9) && wait_focus "$help" || e2e_fail "\"?\" did not bring the instructions with the focus"
sleep 3  # the level's picture slides away, the player's move is free
before=$(marker)
[ "$(marker)" = "$before" ] || e2e_fail "the turn marker's place does not stand still"
e2e_click $(((W / 2 - 560) + 160 + 80)) 40
moved=0
for _ in $(seq 40); do
    [ "$(marker)" != "$before" ] && moved=1 && break
    sleep 0.1
done
[ $moved = 1 ] || e2e_fail "one click on a card with the instructions in front made no move"
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended"
e2e_shot "$E2E_DIR/battle.png"
echo "openbox: START and a card each took one click beside the focused instructions; the battle is full screen above the panel; windows listed as Vellmoor with class vellmoor and an icon"
