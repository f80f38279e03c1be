#!/bin/bash
# faults_check.sh -- the game with its files broken, one at a time, in a copy of the game folder
# (links to the shipped files; only the broken one is a file of its own). Run through
# vellmoor-script on the headless host:
#   - a sound, a picture (bitmap or JPEG), the font or the story that is missing, cut short,
#     garbage, a folder, a pipe or too large: start-up stops with status 1 and a message that
#     names the file;
#   - a help topic, a card description, a briefing, an achievement description or the credits
#     that is missing, a folder, a pipe, too large or garbage: the screen that reads it reports the
#     file by name (or shows what it holds as text; a card description shows its start), still
#     draws, and the game goes on.
# $1 is the game folder. Prints one line per case; exits 1 when any case fails.
set -u
source=$(cd "${1:?usage: faults_check.sh GAME_DIR}" && pwd) || exit 2
[ -x "$source/vellmoor-script" ] || { echo "no vellmoor-script in $source"; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vellmoor-faults.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0 cases=0

# fresh_copy: $game becomes a new folder of links to every shipped file and picture.
fresh_copy() {
    game=$work/game.$cases
    mkdir -p "$game/pictures"
    local f
    for f in "$source"/*; do
        [ "$(basename "$f")" = pictures ] || ln -s "$f" "$game/"
    done
    for f in "$source"/pictures/*; do ln -s "$f" "$game/pictures/"; done
}

# garbage N: N bytes of noise (the same noise on every run).
garbage() {
    LC_ALL=C awk -v n="$1" 'BEGIN { srand(7); for (i = 0; i < n; i++) printf "%c", int(rand() * 256) }'
}

# spoil FILE HOW: breaks FILE (relative to the game folder) in the copy.
#   missing, folder, pipe (a named pipe nobody writes to), cut (its first half), garbage (noise
#   of its size), rows (a JPEG's header kept, its compressed rows noise), large (3 MB of
#   ordinary text), huge (20 MB of it), silent (a WAV without samples), masks (the bitmap at
#   32 bits, its colour masks swapping red and blue)
spoil() {
    local path=$game/$1 shipped=$source/$1 size header
    size=$(stat -L -c %s "$shipped")
    rm "$path"
    case $2 in
        missing) ;;
        folder) mkdir "$path" ;;
        pipe) mkfifo "$path" ;;
        cut) head -c $((size / 2)) "$shipped" >"$path" ;;
        garbage) garbage "$size" >"$path" ;;
        rows)
            header=$(LC_ALL=C grep -obUaP '\xFF\xDA' "$shipped" | head -1 | cut -d: -f1)
            [ -n "$header" ] || { echo "no scan in $shipped"; exit 2; }
            { head -c $((header + 16)) "$shipped"; garbage $((size - header - 16)); } >"$path" ;;
        large) yes 'The towers stand and the moon turns over the land of Vellmoor.' |
            head -c 3000000 >"$path" ;;
        huge) yes 'The towers stand and the moon turns over the land of Vellmoor.' |
            head -c 20000000 >"$path" ;;
        silent) # a whole WAV header, mono 16-bit 44100 Hz, and an empty data chunk
            printf 'RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0data\0\0\0\0' >"$path" ;;
        masks) # the picture at its own size, 32-bit, with masks that put red and blue the
            # other way round
            python3 - "$shipped" "$path" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read()
offset = struct.unpack_from('<I', d, 10)[0]
width, height = struct.unpack_from('<ii', d, 18)
stride = (width * 3 + 3) & ~3
pixels = b''.join(d[offset + y * stride + 3 * x:offset + y * stride + 3 * x + 3] + b'\0'
                  for y in range(abs(height)) for x in range(width))
header = (struct.pack('<2sIHHI', b'BM', 66 + len(pixels), 0, 0, 66) +
          struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 3, len(pixels), 2835, 2835, 0, 0) +
          struct.pack('<III', 0xFF, 0xFF00, 0xFF0000))
open(sys.argv[2], 'wb').write(header + pixels)
PY
            ;;
        *) echo "unknown spoil $2"; exit 2 ;;
    esac
}

# play SCRIPT: runs the script driver in the copy; sets out, err and status.
play() {
    local run=$work/run.$cases
    (cd "$game" && timeout 60 ./vellmoor-script - >"$run.out" 2>"$run.err" <<<"$1")
    status=$?
    out=$(cat "$run.out")
    err=$(cat "$run.err")
}

fail() {
    echo "FAIL $case_name: $*"
    [ -n "$out" ] && echo "  stdout: $(head -c 600 <<<"$out" | tr '\n' '|')"
    [ -n "$err" ] && echo "  stderr: $(head -c 600 <<<"$err" | tr '\n' '|')"
    failures=$((failures + 1))
}

# expect LINE: the script printed exactly this line.
has_line() { grep -qxF -- "$1" <<<"$out"; }

# A case where the game cannot run: start-up stops, status 1, one message naming the file.
refused() {
    local file=$1 how=$2
    cases=$((cases + 1))
    case_name="$file $how"
    fresh_copy
    spoil "$file" "$how"
    play "visible"
    local name
    name=$(basename "$file")
    if [ $status -ne 1 ]; then
        fail "start-up went on (status $status)"
    elif ! grep -q "^script: the game cannot start: .*$name" <<<"$err"; then
        fail "the message does not name $name"
    elif [ -n "$out" ]; then
        fail "the game ran"
    else
        echo "ok   $case_name: $(head -1 <<<"$err")"
    fi
}

# The screens up to a battle, at 1280 x 1024, the pointer off the hand.
readonly TO_LEVEL="size 1280 1024
click Form1 413 404
wait 100
click Form2 640 512
wait 100
click Form11 640 512
wait 300"
readonly TO_BATTLE="$TO_LEVEL
click Form6 300 512
move Form4 640 400
wait 4500"

# goes_on FILE HOW SCRIPT CHECK...: the game runs the script to its end; CHECKs are lines it
# must print (in any order). An error line naming the file is required unless the first
# CHECK is "no-error", which requires that no error is printed at all.
goes_on() {
    local file=$1 how=$2 script=$3 want_error=1 line missing=
    shift 3
    cases=$((cases + 1))
    case_name="$file $how"
    fresh_copy
    spoil "$file" "$how"
    if [ "${1:-}" = no-error ]; then
        want_error=0
        shift
    fi
    play "$script"
    for line in "$@"; do has_line "$line" || missing+=" [$line]"; done
    if [ $status -ne 0 ]; then
        fail "the script ended with status $status"
    elif [ $want_error = 1 ] && ! grep -q "^error: .*$file" <<<"$out"; then
        fail "no error report names $file"
    elif [ $want_error = 0 ] && grep -q '^error:' <<<"$out"; then
        fail "an error was reported: $(grep '^error:' <<<"$out" | head -1)"
    elif [ -n "$missing" ]; then
        fail "expected lines not printed:$missing"
    else
        echo "ok   $case_name: $(grep '^error:' <<<"$out" | head -1 | sed 's/^$/shown as text/')"
    fi
}

# Sounds: every one is opened at start-up.
refused drums.wav missing
refused shatter.wav cut
refused boom.wav garbage
refused drip.wav folder
refused haunt2.wav pipe
refused drums.wav silent

# Pictures: every one is checked at start-up, a JPEG down to its last compressed row (a
# broken skull would otherwise stop every battle at the enemy's first move).
refused pictures/Form3.Image1.bmp missing
refused pictures/Form4.Image5.bmp cut
refused pictures/Form6.Image13.bmp garbage
refused pictures/Form3.Image79.jpg missing
refused pictures/Form6.Image15.jpg cut
refused pictures/Form3.Image13.jpg garbage
refused pictures/Form6.Image15.jpg rows
refused pictures/Form3.Image6.jpg rows
refused pictures/Form3.Image1.bmp folder
refused pictures/Form3.Image4.jpg folder
refused pictures/Form6.Image2.bmp pipe
refused pictures/Form3.Image13.jpg pipe
refused pictures/Form4.Image3.bmp masks

# The font: every screen's text is laid out with it, the story's at start-up.
refused DejaVuSans.ttf pipe
refused DejaVuSans.ttf folder
refused DejaVuSans.ttf garbage

# The story is wrapped when the intro is made, at start-up.
refused story.txt missing
refused story.txt folder
refused story.txt pipe
refused story.txt huge

# The credits: the title comes up with its silver box all the same, and START goes on.
readonly TITLE="size 1280 1024
visible
errors
pixel Form1 360 378
click Form1 413 404
wait 100
visible"
for how in missing folder pipe large; do
    goes_on credits.txt $how "$TITLE" "visible Form1" "#C0C0C0" "visible Form2"
done
goes_on credits.txt garbage "$TITLE" no-error "visible Form1" "#C0C0C0" "visible Form2"
# A story of noise is shown as it is.
goes_on story.txt garbage "$TITLE
click Form2 640 512
wait 300
visible" no-error "visible Form11"

# A help topic: the instructions stay open and draw their silver box, and another topic
# still loads.
readonly HELP="size 1280 1024
click Form1 301 404
wait 100
click Form9 77 76
wait 100
visible
errors
pixel Form9 560 300
click Form9 77 108
wait 100
errors
print TurnPhase"
for how in missing folder pipe; do
    goes_on overview.txt $how "$HELP" "visible Form1 Form9" "#C0C0C0" "TurnPhase=1"
done
goes_on overview.txt large "$HELP" "visible Form1 Form9" "#C0C0C0" "TurnPhase=1"
goes_on overview.txt garbage "$HELP" no-error "visible Form1 Form9"

# A card description: the tooltip's frame is drawn while the pointer rests on card 7, the
# tick goes on to the switches drawn after it, and the move and the enemy's turn follow (a
# discard of card 7, which costs 6 of the player's 5 blue; the moon moves on).
readonly CARD="$TO_BATTLE
set HandCard[1] 7
move Form4 300 150
wait 400
errors
pixel Form4 298 149
pixel Form4 41 11
pixel Form4 77 23
click Form4 300 150
move Form4 640 400
wait 6000
print TurnPhase
print MoonPhase"
for how in missing folder; do
    goes_on zc7.txt $how "$CARD" "#C0C0C0" "#3E2A1F" "#3D495F" "TurnPhase=1" "MoonPhase=2"
done
goes_on zc7.txt pipe "$CARD" "#C0C0C0" "#3E2A1F" "TurnPhase=1" "MoonPhase=2"
goes_on zc7.txt garbage "$CARD" no-error "#C0C0C0" "#3E2A1F" "TurnPhase=1" "MoonPhase=2"
goes_on zc7.txt large "$CARD" no-error "#C0C0C0" "#3E2A1F" "TurnPhase=1" "MoonPhase=2"

# A briefing: the level screen draws its map, and a click starts the battle.
readonly LEVEL="$TO_LEVEL
visible
errors
pixel Form6 604 400
pixel Form6 1072 316
click Form6 300 512
wait 200
visible"
for how in missing folder pipe large; do
    goes_on lv1.txt $how "$LEVEL" "visible Form6" "#6A6B43" "#142038" "visible Form4"
done
goes_on lv1.txt garbage "$LEVEL" no-error "visible Form6" "#6A6B43" "visible Form4"

# An achievement description: with the pointer on slot 13 the result screen still draws the
# score below it, and a click leads on to the next level.
readonly RESULT="$TO_BATTLE
set EnemyTower 0
wait 300
visible
move Form7 490 437
wait 200
errors
pixel Form7 561 980
pixel Form7 561 983
click Form7 490 437
wait 200
visible
print Level"
for how in missing folder pipe large; do
    goes_on ach13.txt $how "$RESULT" "visible Form7" "#FFFF00" "visible Form6" "Level=2"
done
goes_on ach13.txt garbage "$RESULT" no-error "visible Form7" "#FFFF00" "visible Form6" "Level=2"

echo "$cases cases, $failures failed"
[ $failures -eq 0 ]
