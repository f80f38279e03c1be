#!/bin/bash
# launcher_check.sh -- the installed `vellmoor` command prepares the player's own folder so
# that the game's bare file names resolve there, keeps the player's save and files, refuses
# folders it must not use, and never writes into the installed tree.
#
# Usage: launcher_check.sh BUILD_DIR
set -u
build=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vellmoor-launcher.XXXXXX")
fail() {
    echo "FAIL: $*" >&2
    echo "scratch files kept in $scratch" >&2
    exit 1
}

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -5 "$scratch/install.log")"
launcher=$prefix/games/vellmoor
data=$prefix/share/games/vellmoor
[ -x "$launcher" ] || fail "no games/vellmoor after cmake --install"
[ -x "$prefix/libexec/vellmoor/vellmoor" ] || fail "no game program after cmake --install"
# The installed tree as it must stay: every path with its kind, size, time and mode.
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %T@ %m %l\n' | sort); }
snapshot >"$scratch/tree.before"

home=$scratch/home elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere"
# run [ENV=VALUE...] -- ARGS...: the command from an unrelated folder, HOME in the scratch.
run() {
    local env=()
    while [ "$1" != -- ]; do env+=("$1"); shift; done
    shift
    (cd "$elsewhere" && env -u XDG_DATA_HOME HOME="$home" "${env[@]}" "$launcher" "$@")
}

# --- first run: the folder is made, one link per installed file ---
folder=$home/.local/share/vellmoor
out=$(run -- --prepare-only 2>"$scratch/err") || fail "--prepare-only failed: $(cat "$scratch/err")"
[ "$out" = "$folder" ] || fail "prepared '$out', not $folder"
[ -s "$scratch/err" ] && fail "a clean first run complained: $(cat "$scratch/err")"
installed=0
for target in "$data"/*; do
    name=$(basename "$target")
    [ -L "$folder/$name" ] && [ "$(readlink "$folder/$name")" = "$target" ] ||
        fail "$name is not linked to the installed $target"
    installed=$((installed + 1))
done
[ "$(ls "$folder" | wc -l)" = $installed ] || fail "the folder holds more than the links"
# The bare names the game opens resolve: a picture, a sound, a text and the font.
for name in pictures/Form3.Image1.bmp drums.wav lv1.txt DejaVuSans.ttf; do
    [ -s "$folder/$name" ] || fail "$name does not resolve in the player's folder"
done
[ -e "$folder/zcxa1.txt" ] && fail "a save file appeared without a save"

# --- a second run with the player's own things in the folder ---
printf 'my campaign\n7\n' >"$folder/zcxa1.txt"
ln -s /nowhere/notes.txt "$folder/notes.txt"  # the player's own link, dangling
rm "$folder/lv1.txt" && echo "my own briefing" >"$folder/lv1.txt"
ln -sfn /old/prefix/share/games/vellmoor/about.txt "$folder/about.txt"   # from a moved install
ln -s /old/prefix/share/games/vellmoor/zc99.txt "$folder/zc99.txt"        # a file no longer shipped
rm "$folder/drums.wav"                                                # lost
run -- --prepare-only >/dev/null 2>"$scratch/err" || fail "second run failed: $(cat "$scratch/err")"
[ "$(cat "$folder/zcxa1.txt")" = "$(printf 'my campaign\n7')" ] && [ ! -L "$folder/zcxa1.txt" ] ||
    fail "the save file was touched"
[ "$(cat "$folder/lv1.txt")" = "my own briefing" ] || fail "the player's own lv1.txt was replaced"
grep -q "keeping your own .*lv1.txt" "$scratch/err" || fail "no word about the kept lv1.txt"
[ "$(readlink "$folder/about.txt")" = "$data/about.txt" ] || fail "the old about.txt link stayed"
[ -L "$folder/zc99.txt" ] && fail "the link to a file no longer shipped stayed"
[ "$(readlink "$folder/notes.txt")" = /nowhere/notes.txt ] || fail "the player's own link went"
[ "$(readlink "$folder/drums.wav")" = "$data/drums.wav" ] || fail "the lost drums.wav came not back"

# --- XDG_DATA_HOME: used when absolute, ignored when relative ---
out=$(run XDG_DATA_HOME="$scratch/xdg" -- --prepare-only) || fail "run with XDG_DATA_HOME failed"
[ "$out" = "$scratch/xdg/vellmoor" ] && [ -L "$scratch/xdg/vellmoor/story.txt" ] ||
    fail "XDG_DATA_HOME=$scratch/xdg prepared '$out'"
out=$(run XDG_DATA_HOME=relative/data -- --prepare-only) || fail "run with a relative XDG_DATA_HOME failed"
[ "$out" = "$folder" ] && [ -z "$(ls "$elsewhere")" ] || fail "a relative XDG_DATA_HOME was used: '$out'"

# --- refusals: a clear message, a failure status, nothing made ---
refuse() {  # refuse STATUS MESSAGE-PATTERN [ENV=VALUE...] -- ARGS...
    local status=$1 pattern=$2
    shift 2
    run "$@" >"$scratch/out" 2>"$scratch/err"
    local got=$?
    [ $got = "$status" ] || fail "status $got, not $status, for: $*"
    grep -q "$pattern" "$scratch/err" || fail "no '$pattern' for: $* (said: $(cat "$scratch/err"))"
}
refuse 1 "installed game's folder" XDG_DATA_HOME="$prefix/share/games" -- --prepare-only
refuse 1 "installed game's folder" XDG_DATA_HOME="$data/pictures" -- --prepare-only
refuse 1 "installed game's folder" XDG_DATA_HOME="$data/../../games" -- --prepare-only
refuse 1 "HOME" HOME= -- --prepare-only
refuse 2 "unknown option: --play" -- --play
refuse 2 "Usage" -- --prepare-only extra
run -- --help | grep -q "zcxa1.txt" || fail "--help does not tell where the campaign is kept"

# The installed tree is exactly as installed.
snapshot >"$scratch/tree.after"
diff -q "$scratch/tree.before" "$scratch/tree.after" >/dev/null ||
    fail "the installed tree changed: $(diff "$scratch/tree.before" "$scratch/tree.after" | head -5)"

rm -rf "$scratch"
echo "launcher: $installed links prepared and repaired, the player's save and files kept," \
    "XDG_DATA_HOME honoured, bad folders and options refused, the installed tree untouched"
