#!/usr/bin/env bash
# The script driver's answers for START, a bad command's exit status, and "ended".
set -euo pipefail
driver="$1"
fail() { echo "FAIL: $*"; exit 1; }

out=$(printf 'click Form1 400 400 # START\nvisible\ntimers\n' | "$driver" -)
[ "$out" = $'visible Form2\ntimers Form1.Timer1=1000 Form2.Timer1=10' ] || fail "START: $out"

out=$(printf 'print HandCard[1]\nset Level 7\nprint Level\nprint TopicFileName\nsounds\n' | "$driver" -)
[ "$out" = $'HandCard[1]=0\nLevel=7\nTopicFileName=\nsounds' ] || fail "print/set: $out"

set +e
err=$(printf 'visible\nfly Form1\n' | "$driver" - 2>&1 >/dev/null); rc=$?
set -e
[ "$rc" = 2 ] || fail "unknown command exit $rc"
[ "$err" = "script: line 2: unknown command 'fly'" ] || fail "unknown command message: $err"

set +e
printf 'click Form1 x 3\n' | "$driver" - >/dev/null 2>&1; rc=$?
set -e
[ "$rc" = 2 ] || fail "bad argument exit $rc"

out=$(printf 'close Form1\nvisible\n' | "$driver" -)
[ "$out" = "ended" ] || fail "close: $out"
echo "script driver answers as expected"
