#!/bin/bash
# package_layout_check.sh -- `make package` gives two Debian packages that lintian --pedantic
# passes without an error or a warning: vellmoor, the program for this architecture, and
# vellmoor-data, the pictures, sounds and texts for all. They declare what the game needs and
# unpack (dpkg -x) into the layout the `vellmoor` command and the desktop expect, each with
# its own files and nothing else.
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
for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian; do
    command -v $tool >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
done

# --- the packages themselves ---
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -5 "$scratch/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$scratch/out/vellmoor_${version}_$arch.deb
data_deb=$scratch/out/vellmoor-data_${version}_all.deb
[ -f "$deb" ] && [ -f "$data_deb" ] ||
    fail "not both vellmoor_${version}_$arch.deb and vellmoor-data_${version}_all.deb; cpack made: $(ls "$scratch/out")"

# lintian, as a Debian packager runs it. Errors and warnings fail; so do the notes that the
# program lacks hardening or stripping, or that data sits in the architecture's package.
lintian --pedantic --info --tag-display-limit 0 "$deb" "$data_deb" >"$scratch/lintian.log" 2>&1
grep -E '^(E|W|I|P|X): ' "$scratch/lintian.log" >"$scratch/tags"
errors=$(grep -c '^E: ' "$scratch/tags")
warnings=$(grep -c '^W: ' "$scratch/tags")
[ "$errors" = 0 ] && [ "$warnings" = 0 ] ||
    fail "lintian: $errors errors, $warnings warnings: $(grep -E '^(E|W): ' "$scratch/tags" | head -10)"
grep -E ': (hardening-[a-z-]+|binary-has-unneeded-section|arch-dep-package-has-big-usr-share)' \
    "$scratch/tags" && fail "lintian: the program is not hardened or stripped, or data sits in it"
grep -q 'package-contains-documentation-outside-usr-share-doc' "$scratch/lintian.log" &&
    fail "lintian takes the game's texts for documentation: the override is not installed"

field() { dpkg-deb -f "$1" "$2"; }
names() { tr ',' '\n' <<<"$1" | awk '{ print $1 }'; }
check_fields() {  # DEB PACKAGE ARCH
    [ "$(field "$1" Package)" = "$2" ] || fail "$(basename "$1"): package name is '$(field "$1" Package)'"
    [ "$(field "$1" Version)" = "$version" ] || fail "$2: version is '$(field "$1" Version)'"
    [ "$(field "$1" Architecture)" = "$3" ] || fail "$2: architecture is '$(field "$1" Architecture)'"
    [ "$(field "$1" Section)" = games ] || fail "$2: section is '$(field "$1" Section)'"
}
check_fields "$deb" vellmoor "$arch"
check_fields "$data_deb" vellmoor-data all
depends=$(field "$deb" Depends)
# The program's libraries (read from the program itself) and its data of the same version.
for needed in libc6 libstdc++6 libsdl2-2.0-0 libjpeg62-turbo libfreetype6; do
    names "$depends" | grep -qxF "$needed" || fail "vellmoor's Depends lacks $needed: $depends"
done
tr ',' '\n' <<<"$depends" | sed 's/^ *//' | grep -qxF "vellmoor-data (= $version)" ||
    fail "vellmoor does not depend on vellmoor-data (= $version): $depends"
data_depends=$(field "$data_deb" Depends)
names "$data_depends" | grep -qxF fonts-dejavu-core ||
    fail "vellmoor-data does not depend on the font it links to: $data_depends"

root=$scratch/root data_root=$scratch/data-root
dpkg -x "$deb" "$root" && dpkg -x "$data_deb" "$data_root" || fail "dpkg -x could not unpack a package"
data=$data_root/usr/share/games/vellmoor

# --- the layout: every expected path, recorded per package so that anything else stands out ---
expected=$scratch/expected
: >"$expected"
expect() { printf '%s\n' "$1" >>"$expected"; }  # expect PACKAGE-ROOT/PATH

launcher=$root/usr/games/vellmoor
[ -x "$launcher" ] || fail "no usr/games/vellmoor command"
[ "$(head -1 "$launcher")" = "#!/bin/sh" ] && sh -n "$launcher" || fail "usr/games/vellmoor is not a shell script"
expect "$launcher"
program=$root/usr/libexec/vellmoor/vellmoor
[ -x "$program" ] && [ "$(head -c 4 "$program" | od -An -c | tr -d ' ')" = '177ELF' ] ||
    fail "usr/libexec/vellmoor/vellmoor is not the game program"
expect "$program"
man=$root/usr/share/man/man6/vellmoor.6.gz
zcat "$man" 2>/dev/null | grep -q '^vellmoor \\- ' || fail "no manual page vellmoor(6)"
expect "$man"

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
# Sounds: the twenty the build rendered.
sounds=0
for sound in "$game"/*.wav; do
    name=$(basename "$sound")
    cmp -s "$sound" "$data/$name" || fail "sound $name is missing or differs"
    expect "$data/$name"
    sounds=$((sounds + 1))
done
[ $sounds = 20 ] || fail "$sounds sounds, not 20"
[ -e "$data/zcxa1.txt" ] && fail "the package ships a save file"
# The font is the system's DejaVu Sans, reached through a relative link.
font=$data/DejaVuSans.ttf
target=$(readlink "$font")
case $target in
    /* | '') fail "DejaVuSans.ttf is not a relative link: '$target'" ;;
esac
[ "$(realpath -m "/usr/share/games/vellmoor/$target")" = /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] ||
    fail "DejaVuSans.ttf links to $target, not to the system's DejaVu Sans"
expect "$font"
overrides=$data_root/usr/share/lintian/overrides/vellmoor-data
expect "$overrides"

# Each package's copyright and changelog; the copyright names both licences, with the full text
# of the one Debian does not carry, as the repository has it.
for package_root in "$root" "$data_root"; do
    package=vellmoor
    [ "$package_root" = "$data_root" ] && package=vellmoor-data
    doc=$package_root/usr/share/doc/$package
    head -1 "$doc/copyright" 2>/dev/null |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "$package has no machine-readable copyright file"
    for license in GPL-3+ CC-BY-SA-4.0 Expat bitstream-vera; do
        grep -qx "License: $license" "$doc/copyright" || fail "$package's copyright lacks the $license licence"
    done
    zcat "$doc/changelog.gz" 2>/dev/null | head -1 | grep -qF "vellmoor ($version) " ||
        fail "$package has no changelog for $version"
    expect "$doc/copyright"
    expect "$doc/changelog.gz"
done
words() { tr -s ' \t\n' '\n' | grep -vx '\.' | grep -v '^$'; }
awk -v RS= '/^License: CC-BY-SA-4.0\n/' "$root/usr/share/doc/vellmoor/copyright" | tail -n +2 |
    words >"$scratch/cc-copyright"
words <"$source/LICENSES/CC-BY-SA-4.0.txt" >"$scratch/cc-repository"
cmp -s "$scratch/cc-copyright" "$scratch/cc-repository" ||
    fail "the copyright's CC-BY-SA-4.0 text differs from LICENSES/CC-BY-SA-4.0.txt"

# Desktop entry, metadata and icons, each valid by the desktop's own tools.
share=$root/usr/share
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
grep -q '<project_license>GPL-3.0-or-later AND CC-BY-SA-4.0</project_license>' "$metainfo" ||
    fail "the metainfo does not name the game's licences"
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

# Nothing else in either package, and nothing outside /usr.
find "$root" "$data_root" \( -type f -o -type l \) | sort >"$scratch/shipped"
sort -o "$expected" "$expected"
extra=$(comm -23 "$scratch/shipped" "$expected")
[ -z "$extra" ] || fail "unexpected files in the packages: $(head -5 <<<"$extra")"
missing=$(comm -13 "$scratch/shipped" "$expected")
[ -z "$missing" ] || fail "listed twice or missing: $(head -5 <<<"$missing")"

notes=$(grep -c -E '^(I|P): ' "$scratch/tags")
rm -rf "$scratch"
echo "lintian --pedantic: $errors errors, $warnings warnings, $notes notes (texts overridden as game data)"
echo "packages $(basename "$deb") and $(basename "$data_deb"): $pictures pictures, $sounds sounds," \
    "$texts texts, font link, launcher, program, manual page, desktop entry, metainfo and" \
    "$(wc -w <<<"$icon_sizes") icons; depends: $depends"
