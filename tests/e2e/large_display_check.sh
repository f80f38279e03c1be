#!/bin/bash
# large_display_check.sh -- a full-screen window on a display larger than the game's frame
# sees a client size reduced by a whole factor, is shown enlarged by it with crisp pixels out to
# the display's edges, and has its clicks mapped back. Run by run_xvfb.sh --screen; $1 is the
# large_display_demo program, $2 the client size expected (WxH), $3 the factor expected.
set -u
. "$E2E_LIB"
demo=$1 client=$2 k=$3
cw=${client%x*} ch=${client#*x}
dw=${E2E_SCREEN%x*} dh=${E2E_SCREEN#*x}
"$demo" >"$E2E_DIR/demo.log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null; wait $demo_pid 2>/dev/null' EXIT

e2e_wait_window "Large display demo" || e2e_fail "the full-screen window did not appear"
for _ in $(seq 50); do
    grep -q "client " "$E2E_DIR/demo.log" && break
    sleep 0.1
done
grep -q "client $client\$" "$E2E_DIR/demo.log" ||
    e2e_fail "client size on $E2E_SCREEN is $(grep client "$E2E_DIR/demo.log"), not $client"

# The red pixel at (W - 245, 100) is one k x k block on the display, its neighbours blue.
tx=$(((cw - 245) * k)) ty=$((100 * k))
e2e_wait_pixel $tx $ty '#FF0000' || e2e_fail "the pixel at W - 245 is not on the display"
e2e_shot "$E2E_DIR/large-display.png"
# Each line: X Y COLOUR WHAT, checked against the screen just taken.
checks="$((tx + k - 1)) $((ty + k - 1)) #FF0000 the red block is not whole
$((tx - 1)) $ty #000040 the red pixel bleeds left
$((tx + k)) $ty #000040 the red pixel bleeds right
$tx $((ty + k)) #000040 the red pixel bleeds down
$((dw - 1)) $((dh / 2)) #00FF00 the last column is not at the display's right edge
$(((cw - 1) * k)) $((dh / 2)) #00FF00 the last column is not a whole block
$(((cw - 1) * k - 1)) $((dh / 2)) #000040 the last column bleeds left
$((dw / 2)) $((dh - 1)) #FFFF00 the last row is not at the display's bottom edge
$((dw / 2)) $(((ch - 1) * k - 1)) #000040 the last row bleeds up"
# shellcheck disable=SC2046 # the points are words on purpose
mapfile -t seen < <(e2e_last_pixels $(cut -d' ' -f1,2 <<<"$checks"))
i=0
while read -r x y colour what; do
    [ "${seen[i]:-}" = "$colour" ] || e2e_fail "$what: ($x, $y) is ${seen[i]:-unread}, not $colour"
    i=$((i + 1))
done <<<"$checks"

# A click on any display pixel of a block reaches the game as that block's client pixel.
cx=$((cw - 245)) cy=300
e2e_click $((cx * k + k - 1)) $((cy * k + k - 1))
for _ in $(seq 50); do
    grep -q "clicked " "$E2E_DIR/demo.log" && break
    sleep 0.1
done
grep -q "clicked $cx $cy\$" "$E2E_DIR/demo.log" ||
    e2e_fail "click seen as '$(grep clicked "$E2E_DIR/demo.log")', not at client point ($cx, $cy)"
e2e_wait_pixel $((cx * k)) $((cy * k)) '#FFFFFF' 5 || e2e_fail "the clicked pixel did not turn white"
echo "large display $E2E_SCREEN: client $client, enlarged $k times, crisp to the edges, clicks mapped"
