#!/bin/bash
# package_layout_check.sh -- `make package` gives a Debian package that declares what the game
# needs and unpacks (dpkg -x) into the layout the `vellmoor` command and the desktop expect,
# with every picture, sound and text the build made, and nothing else.
#
# Usage: package_layout_check.sh BUILD_DIR SOURCE_DIR VERSION APP_ID "ICON SIZES"
set -u
build=$1 source=$2 version=$3 app_id=$4 icon_sizes=$5
game=$build/game

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vellmoor-package.XXXXXX")
fail() {
    echo "FAIL: $*" >&2
    echo "scratch files kept in $scratch" >&2
    exit 1
}
for tool in cpack dpkg-deb desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
done

# --- the package itself ---
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -5 "$scratch/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$scratch/out/vellmoor_${version}_$arch.deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$scratch/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vellmoor ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "section is '$(field Section)'"
depends=$(field Depends)
depends_names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
# The program's libraries (read from the program itself) and the font it links to.
for needed in libc6 libstdc++6 libsdl2-2.0-0 libjpeg62-turbo libfreetype6 fonts-dejavu-core; do
    grep -qxF "$needed" <<<"$depends_names" || fail "Depends lacks $needed: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x could not unpack the package"
share=$root/usr/share
data=$share/vellmoor

# --- the layout: every expected path, recorded so that anything else stands out ---
expected=$scratch/expected
: >"$expected"
expect() { printf '%s\n' "${1#"$root"/}" >>"$expected"; }

launcher=$root/usr/bin/vellmoor
[ -x "$launcher" ] || fail "no usr/bin/vellmoor command"
[ "$(head -1 "$launcher")" = "#!/bin/sh" ] && sh -n "$launcher" || fail "usr/bin/vellmoor is not a shell script"
expect "$launcher"
program=$root/usr/libexec/vellmoor/vellmoor
[ -x "$program" ] && [ "$(head -c 4 "$program" | od -An -c | tr -d ' ')" = '177ELF' ] ||
    fail "usr/libexec/vellmoor/vellmoor is not the game program"
expect "$program"

# Pictures: each one the build made, byte for byte.
pictures=0
while read -r name format _; do
    case $name in '#'* | '') continue ;; esac
    file=pictures/$name.$([ "$format" = jpeg ] && echo jpg || echo bmp)
    cmp -s "$game/$file" "$data/$file" || fail "$file is missing or differs from the built one"
    expect "$data/$file"
    pictures=$((pictures + 1))
done <"$source/data/art/pictures.txt"
# Texts: every one of ours, as written.
texts=0
for text in "$source"/data/text/*.txt; do
    name=$(basename "$text")
    [ "$name" = CMakeLists.txt ] && continue
    cmp -s "$text" "$data/$name" || fail "text $name is missing or differs"
    expect "$data/$name"
    texts=$((texts + 1))
done
# Sounds: the twenty the synthesiser rendered.
sounds=0
for sound in "$game"/*.wav; do
    name=$(basename "$sound")
    cmp -s "$sound" "$data/$name" || fail "sound $name is missing or differs"
    expect "$data/$name"
    sounds=$((sounds + 1))
done
[ $sounds = 20 ] || fail "$sounds sounds, not 20"
[ -e "$data/zcxa1.txt" ] && fail "the package ships a save file"
# The font is the system's DejaVu Sans, reached through a link.
font=$data/DejaVuSans.ttf
[ -L "$font" ] && [ "$(readlink "$font")" = /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] ||
    fail "DejaVuSans.ttf is not a link to the system font"
expect "$font"

# Desktop entry, metadata and icons, each valid by the desktop's own tools.
desktop=$share/applications/vellmoor.desktop
desktop-file-validate "$desktop" >"$scratch/desktop.log" 2>&1 ||
    fail "desktop entry: $(cat "$scratch/desktop.log")"
grep -qx 'Exec=vellmoor' "$desktop" && grep -qx 'Icon=vellmoor' "$desktop" ||
    fail "the desktop entry does not start the vellmoor command with its icon"
expect "$desktop"
metainfo=$share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$scratch/metainfo.log" 2>&1 ||
    fail "metainfo: $(cat "$scratch/metainfo.log")"
grep -q "<id>$app_id</id>" "$metainfo" &&
    grep -q '<launchable type="desktop-id">vellmoor.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not name its id and the desktop entry"
expect "$metainfo"
for size in $icon_sizes; do
    icon=$share/icons/hicolor/${size}x$size/apps/vellmoor.png
    [ -f "$icon" ] || fail "no ${size}x$size icon"
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] &&
        [ "$w" = "$size" ] && [ "$h" = "$size" ] ||
        fail "icon ${size}x$size is not a ${size}x$size PNG (${w:-?}x${h:-?})"
    expect "$icon"
done

# Nothing else in the package, and nothing outside /usr.
(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||') | sort >"$scratch/shipped"
sort -o "$expected" "$expected"
extra=$(comm -23 "$scratch/shipped" "$expected")
[ -z "$extra" ] || fail "unexpected files in the package: $(head -5 <<<"$extra")"
missing=$(comm -13 "$scratch/shipped" "$expected")
[ -z "$missing" ] || fail "listed twice or missing: $(head -5 <<<"$missing")"

rm -rf "$scratch"
echo "package $(basename "$deb"): $pictures pictures, $sounds sounds, $texts texts, font link," \
    "launcher, program, desktop entry, metainfo and $(wc -w <<<"$icon_sizes") icons; depends: $depends"
