#!/bin/bash
# no_display_check.sh -- the real game started where no desktop answers (no X server at
# DISPLAY, no Wayland socket) says so and ends with a non-zero status, rather than running on
# unseen. Needs no X server. $1 is the game folder.
set -u
cd "$1" || { echo "FAIL: no game folder $1"; exit 1; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vellmoor-nodisplay.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# A display number nobody serves, and an empty runtime folder so no Wayland socket is found.
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:65123 XDG_RUNTIME_DIR="$scratch" \
    SDL_AUDIODRIVER=dummy timeout 60 ./vellmoor >"$scratch/game.log" 2>&1 </dev/null
status=$?
if [ $status -eq 124 ]; then
    echo "FAIL: the game was still running unseen after 60 s; it said:"
    cat "$scratch/game.log"
    exit 1
fi
if [ $status -eq 0 ] || ! grep -q 'Cannot open the display' "$scratch/game.log"; then
    echo "FAIL: status $status; the game said:"
    cat "$scratch/game.log"
    exit 1
fi
echo "no display: status $status, $(grep 'Cannot open the display' "$scratch/game.log")"
