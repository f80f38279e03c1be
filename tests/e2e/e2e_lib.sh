# e2e_lib.sh -- helpers for end-to-end checks run by run_xvfb.sh (source it; bash).

# e2e_fail MESSAGE: prints it, saves a last screenshot beside the logs, says what became of
# the game (e2e_report), exits 1.
e2e_fail() {
    echo "FAIL: $*" >&2
    e2e_shot "$E2E_DIR/failure.png" 2>/dev/null && echo "screenshot: $E2E_DIR/failure.png" >&2
    e2e_report >&2
    exit 1
}

# e2e_start_game COMMAND [ARGS...]: starts the game in the background with its output in
# $E2E_DIR/game.log, sets E2E_GAME_PID, and stops it when the check ends.
e2e_start_game() {
    "$@" >"$E2E_DIR/game.log" 2>&1 &
    E2E_GAME_PID=$!
    trap 'kill $E2E_GAME_PID 2>/dev/null; wait $E2E_GAME_PID 2>/dev/null' EXIT
}

# e2e_game_ended: status 0 when the game started by e2e_start_game is no longer running.
e2e_game_ended() {
    [ -n "${E2E_GAME_PID:-}" ] && ! kill -0 "$E2E_GAME_PID" 2>/dev/null
}

# e2e_report: what a failing check needs to know about the game and the X server: whether the
# game still runs (its threads' backtraces if so, its exit status if not), its whole log, and
# the server's windows.
e2e_report() {
    if [ -n "${E2E_GAME_PID:-}" ]; then
        if kill -0 "$E2E_GAME_PID" 2>/dev/null; then
            echo "--- the game (pid $E2E_GAME_PID) is still running; its threads:"
            if command -v gdb >/dev/null 2>&1; then
                timeout 30 gdb -p "$E2E_GAME_PID" -batch -nx -ex 'thread apply all bt' 2>&1 |
                    grep -E '^(Thread|#)' || echo "(gdb could not attach)"
            else
                echo "(gdb is not installed)"
            fi
        else
            wait "$E2E_GAME_PID" 2>/dev/null
            echo "--- the game (pid $E2E_GAME_PID) has ended with status $?"
        fi
        echo "--- its log ($E2E_DIR/game.log):"
        cat "$E2E_DIR/game.log" 2>/dev/null
    fi
    if [ -n "${E2E_XVFB_PID:-}" ] && ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
        echo "--- the X server $DISPLAY has ended"
    fi
    echo "--- windows on $DISPLAY:"
    if command -v xwininfo >/dev/null 2>&1; then
        timeout 10 xwininfo -root -tree 2>&1 | grep -v '^$'
    else
        echo "(xwininfo is not installed)"
    fi
}

# e2e_shot FILE.png: the whole screen as a PNG.
e2e_shot() {
    xwd -root -silent >"$E2E_DIR/screen.xwd" && "$XWD_TOOL" png "$E2E_DIR/screen.xwd" "$1"
}

# e2e_pixel X Y: prints the screen colour at (X, Y) as #RRGGBB.
e2e_pixel() {
    xwd -root -silent >"$E2E_DIR/screen.xwd" && "$XWD_TOOL" pixel "$E2E_DIR/screen.xwd" "$1" "$2"
}

# e2e_last_pixels X Y [X Y ...]: the colours at these points, one a line, in the screen taken
# by the last e2e_shot, e2e_pixel or e2e_wait_pixel, without taking a new one (a large
# screen's dump is slow to take and to read).
e2e_last_pixels() {
    "$XWD_TOOL" pixel "$E2E_DIR/screen.xwd" "$@"
}

# e2e_click X Y [BUTTON]: moves the pointer to screen point (X, Y) and clicks.
e2e_click() {
    xdotool mousemove "$1" "$2" sleep 0.1 click "${3:-1}"
}

# e2e_wait_pixel X Y COLOUR [SECONDS]: waits until the screen shows COLOUR at (X, Y);
# status 1 (and the last colour seen on stderr) when it does not within SECONDS (default 10).
e2e_wait_pixel() {
    local tries=$(( ${4:-10} * 10 )) seen
    for _ in $(seq "$tries"); do
        seen=$(e2e_pixel "$1" "$2")
        [ "$seen" = "$3" ] && return 0
        sleep 0.1
    done
    echo "pixel ($1, $2) is $seen, not $3" >&2
    return 1
}

# e2e_wait_until WHAT SECONDS COMMAND...: waits until COMMAND succeeds; status 1 (and why on
# stderr) when it does not within SECONDS, or at once when the game started by e2e_start_game
# has ended meanwhile.
e2e_wait_until() {
    local what=$1 seconds=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        if e2e_game_ended; then
            echo "no $what: the game has ended" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "no $what after $seconds s" >&2
    return 1
}

# e2e_find_form FORM: the visible windows of the game's form FORM ("Form1" the title, "Form4"
# the battle, ...), one id a line. The desktop lists the windows by the game's title; the
# form's name is their WM_CLASS instance.
e2e_find_form() {
    xdotool search --onlyvisible --classname "^$1\$" 2>/dev/null
}

e2e_form_shown() { [ -n "$(e2e_find_form "$1")" ]; }
e2e_caption_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# e2e_wait_window CAPTION [SECONDS]: waits until a visible window with this caption exists
# (default 10 s); e2e_wait_form FORM [SECONDS]: the same for the game's form FORM.
e2e_wait_window() { e2e_wait_until "window $1" "${2:-10}" e2e_caption_shown "$1"; }
e2e_wait_form() { e2e_wait_until "window $1" "${2:-10}" e2e_form_shown "$1"; }

# e2e_audio_peak: the largest |sample| SDL has written to the disk audio file so far.
e2e_audio_peak() {
    "$XWD_TOOL" peak "$SDL_DISKAUDIOFILE"
}

# e2e_click_until FORM X Y: clicks at screen point (X, Y) until the game's form FORM shows
# (three tries).
e2e_click_until() {
    for _ in 1 2 3; do
        e2e_click "$2" "$3"
        e2e_wait_form "$1" 5 && return 0
    done
    e2e_fail "no $1 after clicking at ($2, $3)"
}

# e2e_geometry WINDOW: sets X, Y (the client area's top-left corner on the screen), WIDTH and
# HEIGHT. (xdotool's own geometry is off by the frame under a reparenting window manager.)
e2e_geometry() {
    local info
    info=$(xwininfo -id "$1") || e2e_fail "no window $1"
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# e2e_title_origin: waits for the title window and sets X, Y, WIDTH and HEIGHT to its place.
e2e_title_origin() {
    e2e_wait_form Form1 15 || e2e_fail "the title window did not appear"
    e2e_geometry "$(e2e_find_form Form1 | head -1)"
}
