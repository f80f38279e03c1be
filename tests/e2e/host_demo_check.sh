#!/bin/bash
# host_demo_check.sh -- the harness proves itself on host_demo: window shown, click seen,
# sound written. Run by run_xvfb.sh; $1 is the host_demo program.
set -u
. "$E2E_LIB"
demo=$1
"$demo" >"$E2E_DIR/demo.log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null; wait $demo_pid 2>/dev/null' EXIT

e2e_wait_window "Host demo" ||
    e2e_fail "the demo window did not appear (windows named so: $(xdotool search --name "Host demo" | wc -l))"
# The window's client area starts at (100, 100) without a window manager.
e2e_wait_pixel 150 150 '#0000FF' || e2e_fail "the window is not blue"
[ "$(e2e_pixel 50 50)" = "#000000" ] || e2e_fail "the screen outside the window is not black"
e2e_shot "$E2E_DIR/before-click.png" || e2e_fail "no screenshot"

e2e_click 150 150
e2e_wait_pixel 150 150 '#FF0000' 5 || e2e_fail "the click did not turn the window red"
grep -q "clicked 50 50" "$E2E_DIR/demo.log" || e2e_fail "click not at client point (50, 50)"

sleep 0.5  # let the tone reach the disk file
peak=$(e2e_audio_peak) || e2e_fail "no disk audio file"
[ "$peak" -gt 1000 ] || e2e_fail "the audio is silent (peak $peak)"
echo "host demo: window, click and sound (peak $peak) seen"
