#!/usr/bin/env bash
# A whole campaign through the real screens, driven by a script: START, intro, story, then eleven
# battles (with a lost one at level 3) shortened by setting a tower to its end, each through the
# level screen, the map screen and the result screen, then the final screen's click. Checks every
# hand-over, Level after each result, and the score against the achievement weights.
set -euo pipefail
driver="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

# What each achievement is worth, slot 0 to 29.
weights=(1 4 2 2 2 3 3 3 2 2 2 3 4 4 4 4 4 1 1 3 5 3 3 5 3 4 4 3 2 5)

script() {
    echo "click Form1 413 404"
    echo "wait 200"
    echo "click Form2 640 360"
    echo "wait 200"
    echo "click Form11 640 360"
    echo "wait 140"
    for battle in 1 2 3 4 5 6 7 8 9 10 11 12; do
        echo "visible"
        echo "click Form6 640 360"
        echo "visible"
        echo "wait 400"
        # The third battle is lost, the rest won.
        if [ "$battle" = 3 ]; then echo "set PlayerTower 0"; else echo "set EnemyTower 0"; fi
        echo "wait 80"
        echo "visible"
        echo "wait 40"  # the result screen's first tick works out the score
        echo "print BattleResult"
        echo "print Level"
        echo "print Score"
        echo "print Achievements"
        echo "click Form7 640 360"
        echo "print Level"
        echo "wait 140"
    done
    echo "visible"
    echo "errors"
    echo "click Form8 640 360"
}

mapfile -t out < <(script | "$driver" -)
i=0
next() { line="${out[$i]:-}"; i=$((i + 1)); }
expect() { next; [ "$line" = "$1" ] || fail "line $i: '$line', expected '$1'"; }

level=1
for battle in 1 2 3 4 5 6 7 8 9 10 11 12; do
    expect "visible Form6"
    expect "visible Form4"
    expect "visible Form7"
    result=1
    [ "$battle" = 3 ] && result=2
    expect "BattleResult=$result"
    expect "Level=$level"
    next
    score=${line#Score=}
    next
    read -r -a flags <<<"${line#Achievements=}"
    [ "${#flags[@]}" = 30 ] || fail "battle $battle: ${#flags[@]} achievement flags"
    sum=$((10 * level))
    for slot in "${!flags[@]}"; do
        [ "${flags[$slot]}" = 1 ] && sum=$((sum + weights[slot]))
    done
    [ "$score" = $((23 * sum)) ] || fail "battle $battle: Score $score, expected $((23 * sum))"
    [ "${flags[0]}" = 1 ] || fail "battle $battle: a won battle earns slot 0"
    [ "$result" = 1 ] && level=$((level + 1))
    expect "Level=$level"
done
expect "visible Form8"
expect "ended"
[ "$level" = 12 ] || fail "the campaign ended at Level $level"
echo "campaign: 11 battles won and 1 lost through the real screens, scores as earned"
