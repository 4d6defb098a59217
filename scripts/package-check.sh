#!/bin/sh
# Checks what an installation delivers: validates the desktop entry and the metainfo, builds the
# Debian package, checks it by the book (lintian without errors; hardened binaries; man pages,
# copyright and changelog), installs it with apt-get, runs the installed programs, starts the
# installed menu entry on a virtual display with a scratch home folder, and removes the package
# again. Installing needs root (or sudo); without either, the package is unpacked into a scratch
# folder and the programs run from there instead.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" --package
id=org.vk220.panel
version=$(sed -n 's/^project(vk220-panel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
scratch=$(mktemp -d)
sudo="" installed="" xvfb="" panel=""
cleanup() {
    [ -z "$panel" ] || kill "$panel" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    [ -z "$installed" ] || $sudo apt-get remove -y -qq vk220-panel >/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "package check: $*" >&2
    exit 1
}

desktop-file-validate "$top/resources/$id.desktop"
metainfo="$top/resources/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
# Software centres show the home page and the screenshots, which are those under docs/.
grep -q '<url type="homepage">https://' "$metainfo" || fail "the metainfo names no home page"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo has no default screenshot"
for image in $(sed -n 's|.*<image>.*/docs/\(.*\)</image>.*|\1|p' "$metainfo"); do
    [ -f "$top/docs/$image" ] || fail "the metainfo shows $image, which docs/ does not hold"
done
# Only scripts/fuzz.sh instruments the tree for the fuzz targets: a plain configuration does not.
cmake -S "$top" -B "$scratch/configured" -G Ninja -DBUILD_TESTING=OFF >/dev/null
grep -qx "VK220_FUZZ:BOOL=OFF" "$scratch/configured/CMakeCache.txt" ||
    fail "a plain configuration builds the fuzz targets"

deb=$("$top/scripts/package.sh" | tail -n 1)
echo "Package: $deb"
dpkg-deb --field "$deb" Depends

# Every file an installation needs, as the package lays it out; calsim under its installed name.
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in /usr/bin/vk220-panel /usr/bin/vk220-calsim /usr/share/vk220-panel/MainBG.jpg \
    /usr/share/vk220-panel/FunctionBG.jpg /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$id.svg \
    /usr/share/icons/hicolor/16x16/apps/$id.png /usr/share/icons/hicolor/256x256/apps/$id.png \
    /usr/share/man/man1/vk220-panel.1.gz /usr/share/man/man1/vk220-calsim.1.gz \
    /usr/share/doc/vk220-panel/copyright /usr/share/doc/vk220-panel/changelog.gz \
    /usr/share/vk220-panel/procedures/multimeter.yaml; do
    echo "$contents" | grep -qx ".$path" || fail "missing from the package: $path"
done
echo "$contents" | grep -qx "./usr/bin/calsim" && fail "the package installs /usr/bin/calsim"

# By the book: lintian finds no error (its warnings are listed).
echo "lintian:"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"
echo "lintian: no errors"

unpacked="$scratch/unpacked"
dpkg-deb --extract "$deb" "$unpacked"
# The changelog reads as a Debian changelog of this version; the copyright file is in the
# machine-readable format.
logged=$(zcat "$unpacked/usr/share/doc/vk220-panel/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$logged" = "$version" ] || fail "the changelog's version is $logged, not $version"
head -n 1 "$unpacked/usr/share/doc/vk220-panel/copyright" |
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "the copyright file is not in the machine-readable format"
for program in vk220-panel vk220-calsim; do
    zcat "$unpacked/usr/share/man/man1/$program.1.gz" | grep -A 1 '^\.SH NAME' | grep -q "^$program " ||
        fail "the man page of $program does not name it"
done

# Built with the hardening flags: relocations read-only and bound at start, the stack protector
# and the fortified library calls.
for program in vk220-panel vk220-calsim; do
    binary="$unpacked/usr/bin/$program"
    readelf -dW "$binary" | grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*\bNOW\b' ||
        fail "$program: no BIND_NOW"
    readelf -lW "$binary" | grep -q GNU_RELRO || fail "$program: no GNU_RELRO"
    symbols=$(readelf --dyn-syms -W "$binary")
    echo "$symbols" | grep -q '__stack_chk_fail' || fail "$program: no stack protector"
    echo "$symbols" | grep -Eq '__[a-z]+_chk\b' || fail "$program: no fortified calls"
    echo "readelf $program: BIND_NOW, GNU_RELRO, __stack_chk_fail, fortified calls"
done

if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo="sudo"
    else
        sudo="none"
    fi
fi

# Run without a display: the answer comes before any window is made.
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
check_version() { # program, expected first line
    got=$(no_display "$1" --version | head -n 1)
    [ "$got" = "$2" ] || fail "$1 --version said \"$got\", not \"$2\""
    echo "$1 --version: $got"
}

if [ "$sudo" = "none" ]; then
    echo "Not root and no sudo: not installing; running the programs unpacked in a scratch folder."
    prefix="$unpacked/usr"
else
    installed=yes
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
    prefix=/usr
fi
check_version "$prefix/bin/vk220-panel" "vk220-panel $version"
check_version "$prefix/bin/vk220-calsim" "calsim $version"
status=0
no_display "$prefix/bin/vk220-panel" foo 2>"$scratch/usage" || status=$?
[ "$status" -eq 2 ] && grep -q "^Usage: .*vk220-panel \[options\]" "$scratch/usage" ||
    fail "vk220-panel foo without a display ended with $status, not 2 and its usage"
echo "vk220-panel foo: exit 2 with its usage"
# The installed example procedures are valid, checked by the installed program.
no_display "$prefix/bin/vk220-panel" --check-procedure "$prefix"/share/vk220-panel/procedures/*.yaml ||
    fail "an installed example procedure is not valid"

# The menu entry, started as a desktop starts it (in the home folder), on a virtual display with
# a scratch home: the window belongs to the entry (its class and icon), and "OK" in the port
# dialog stores the port in the user's data folder; nothing lands in the home folder.
home="$scratch/home"
mkdir "$home"
Xvfb -displayfd 3 -screen 0 1280x800x24 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
tries=0
until [ -s "$scratch/display" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || fail "Xvfb did not start"
    sleep 0.1
done
export DISPLAY=":$(cat "$scratch/display")"
(cd "$home" && env -u XDG_DATA_HOME HOME="$home" PATH="$prefix/bin:$PATH" \
    gio launch "$prefix/share/applications/$id.desktop")
window=""
tries=0
while [ -z "$window" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || fail "the menu entry showed no port dialog"
    sleep 0.3
    window=$(xdotool search --name "^Set Communication Port$" 2>/dev/null | head -n 1 || true)
done
panel=$(xdotool getwindowpid "$window")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$id.desktop")
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$" ||
    fail "the window's class is not the entry's StartupWMClass \"$wm_class\""
xprop -id "$window" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL) = ' || fail "the window has no icon"
xdotool windowfocus --sync "$window" key Return
stored="$home/.local/share/vk220-panel/Settings.txt"
tries=0
until [ -f "$stored" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || fail "OK stored no port in $stored"
    sleep 0.1
done
[ "$(od -An -c "$stored" | tr -d ' ')" = '1\r\n' ] || fail "$stored holds $(od -An -c "$stored")"
left=$(find "$home" -mindepth 1 -maxdepth 1 ! -name '.*')
[ -z "$left" ] || fail "the menu entry left in the home folder: $left"
echo "menu entry: window class \"$wm_class\" with an icon; port stored in ~/.local/share/vk220-panel"
echo "Package check passed."
