#!/bin/bash
# host_error_check.sh -- SdlHost's error report: stderr once, a non-modal window of its own
# that OK closes, the loop running on meanwhile; and no sound device means a silent run with
# one warning. Run by run_xvfb.sh; $1 is the host_demo program.
set -u
. "$E2E_LIB"
demo=$1
# A driver that does not exist stands in for a machine without a sound card.
SDL_AUDIODRIVER=no-such-driver "$demo" error >"$E2E_DIR/demo.log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null; wait $demo_pid 2>/dev/null' EXIT

e2e_wait_window "Host demo" || e2e_fail "the demo window did not appear"
e2e_wait_window "Vellmoor" || e2e_fail "no error window"
[ "$(xdotool search --onlyvisible --name '^Vellmoor$' | wc -l)" = 1 ] ||
    e2e_fail "the same message opened more than one window"
[ "$(grep -c 'error: Cannot open sound drums.wav' "$E2E_DIR/demo.log")" = 1 ] ||
    e2e_fail "the message is not on stderr exactly once"
[ "$(grep -c 'warning: no sound device' "$E2E_DIR/demo.log")" = 1 ] ||
    e2e_fail "the silent-audio warning is not printed exactly once"

# The loop goes on while the error window is open: the demo still takes clicks.
e2e_wait_pixel 150 150 '#0000FF' || e2e_fail "the demo window is not blue"
e2e_click 150 150
e2e_wait_pixel 150 150 '#FF0000' 5 || e2e_fail "the loop stopped under the error window"
e2e_shot "$E2E_DIR/error-window.png"

# OK sits centred near the window's bottom edge.
error_window=$(xdotool search --onlyvisible --name '^Vellmoor$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$error_window")"
e2e_click $((X + WIDTH / 2)) $((Y + HEIGHT - 16 - 12))
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Vellmoor$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Vellmoor$' >/dev/null 2>&1 && e2e_fail "OK did not close it"
kill -0 $demo_pid 2>/dev/null || e2e_fail "closing the error window ended the program"
echo "error window: shown once, loop kept running, closed by OK; silent audio warned once"
