#!/bin/bash
# run_xvfb.sh -- runs one end-to-end check inside a private X server (Xvfb).
#
# Usage: run_xvfb.sh [--screen WIDTHxHEIGHT] COMMAND [ARGS...]
#
# Starts Xvfb on a free display of its own choosing (screen 1280x1024x24 unless --screen
# says otherwise, no window manager, never resetting between clients), then runs COMMAND with:
#   DISPLAY              the new display
#   SDL_AUDIODRIVER=disk SDL writes the mixed sound to a file instead of a sound card
#   SDL_DISKAUDIOFILE    that file: $E2E_DIR/audio.raw (S16 stereo 44.1 kHz, raw)
#   E2E_DIR              a fresh scratch folder for screenshots and logs (kept when the
#                        check fails, removed when it passes unless E2E_KEEP=1)
#   E2E_LIB              tests/e2e/e2e_lib.sh: source it for e2e_start_game, e2e_shot,
#                        e2e_pixel, e2e_click, e2e_wait_pixel, e2e_wait_window,
#                        e2e_wait_form, e2e_find_form, e2e_audio_peak, e2e_fail (which reports on the game and the server)
#   E2E_XVFB_PID         the server's process
#   XWD_TOOL             the dump reader (set by CMake; defaults to xwd_tool on PATH)
#   E2E_SCREEN           the screen size, WIDTHxHEIGHT
# and stops the server afterwards. The status is COMMAND's. If Xvfb is missing or cannot
# start, it prints "skipped: ..." and exits 77, which ctest counts as skipped
# (SKIP_RETURN_CODE 77 on the test).
#
# A game check is a short script, e.g.
#   . "$E2E_LIB"
#   e2e_start_game ./vellmoor; e2e_wait_form Form1
#   e2e_click 400 300; e2e_wait_pixel 10 10 '#000000' || e2e_fail "intro not shown"
set -u
readonly SKIP=77
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

usage() {
    echo "usage: run_xvfb.sh [--screen WIDTHxHEIGHT] COMMAND [ARGS...]" >&2
    exit 2
}
screen=1280x1024
if [ "${1:-}" = --screen ]; then
    [[ "${2:-}" =~ ^[1-9][0-9]{2,4}x[1-9][0-9]{2,4}$ ]] || usage
    screen=$2
    shift 2
fi
[ $# -eq 0 ] && usage
for tool in Xvfb xdotool xwd; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit $SKIP
    fi
done

xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
trap cleanup EXIT

# The server picks a free display itself and tells us its number once it is ready, so two
# checks started at the same moment (two test runs side by side) never share one.
display=
number_file=$(mktemp "${TMPDIR:-/tmp}/vellmoor-xvfb.XXXXXX")
# -noreset: by default the server resets whenever its last client leaves, and refuses
# connections while it does; a game connecting at that moment found no display at all.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    n=$(head -n1 "$number_file" 2>/dev/null)
    if [ -n "$n" ]; then
        display=":$n"
        break
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
rm -f "$number_file"
if [ -z "$display" ]; then
    echo "skipped: Xvfb could not start"
    exit $SKIP
fi

E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vellmoor-e2e.XXXXXX")
export DISPLAY=$display SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$E2E_DIR/audio.raw
export E2E_XVFB_PID=$xvfb_pid E2E_DIR E2E_LIB=$here/e2e_lib.sh XWD_TOOL=${XWD_TOOL:-xwd_tool} E2E_SCREEN=$screen

"$@"
status=$?
if [ $status -eq 0 ] && [ "${E2E_KEEP:-0}" != 1 ]; then
    rm -rf "$E2E_DIR"
else
    echo "e2e: scratch files kept in $E2E_DIR"
fi
exit $status
