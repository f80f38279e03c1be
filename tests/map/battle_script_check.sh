#!/usr/bin/env bash
# Plays the scripted battle through the real screens and compares the driver's answers.
set -euo pipefail
driver="$1"
here="$(cd "$(dirname "$0")" && pwd)"
out=$("$driver" "$here/battle_script.txt")
if [ "$out" != "$(cat "$here/battle_script.expected")" ]; then
    echo "FAIL: the battle script answered:"
    echo "$out"
    diff <(echo "$out") "$here/battle_script.expected" || true
    exit 1
fi
echo "the scripted battle reached the result screen"
