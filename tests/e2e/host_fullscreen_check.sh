#!/bin/bash
# host_fullscreen_check.sh -- a full-screen window covers the whole display without a window
# manager, and what its frame does not cover is black. $1 is the host_demo program.
set -u
. "$E2E_LIB"
"$1" fullscreen >"$E2E_DIR/demo.log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null; wait $demo_pid 2>/dev/null' EXIT

e2e_wait_window "Host demo cover" || e2e_fail "the full-screen window did not appear"
# The window can be mapped before the demo has printed its size: give the log a moment.
for _ in $(seq 50); do
    grep -q "cover " "$E2E_DIR/demo.log" && break
    sleep 0.1
done
grep -q "cover 1280x1024" "$E2E_DIR/demo.log" || e2e_fail "client size is not the display's"
# The frame is half the display each way: green at the top-left, black beyond it, and the
# bordered window mapped before it is covered.
e2e_wait_pixel 0 0 '#00FF00' || e2e_fail "the cover does not start at the display's corner"
[ "$(e2e_pixel 150 150)" = "#00FF00" ] || e2e_fail "the bordered window shows through"
[ "$(e2e_pixel 639 511)" = "#00FF00" ] || e2e_fail "the frame is cut short"
[ "$(e2e_pixel 640 512)" = "#000000" ] || e2e_fail "beyond the frame is not black"
[ "$(e2e_pixel 1279 1023)" = "#000000" ] || e2e_fail "the display's far corner is not black"
echo "full-screen window: covers the display, black beyond its frame"
