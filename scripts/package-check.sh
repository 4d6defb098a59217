#!/bin/sh
# Checks what an installation delivers: validates the desktop entry and the metainfo, builds the
# Debian package, installs it with apt-get, runs the installed programs and removes the package
# again. Installing needs root (or sudo); without either, the package is unpacked into a scratch
# folder and the programs run from there instead.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" --package
id=org.vk220.panel
version=$(sed -n 's/^project(vk220-panel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")

desktop-file-validate "$top/resources/$id.desktop"
appstreamcli validate --no-net "$top/resources/$id.metainfo.xml"

deb=$("$top/scripts/package.sh" | tail -n 1)
echo "Package: $deb"
dpkg-deb --field "$deb" Depends

# Every file an installation needs, as the package lays it out.
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in /usr/bin/vk220-panel /usr/bin/calsim /usr/share/vk220-panel/MainBG.jpg \
    /usr/share/vk220-panel/FunctionBG.jpg /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$id.svg \
    /usr/share/icons/hicolor/16x16/apps/$id.png /usr/share/icons/hicolor/256x256/apps/$id.png; do
    echo "$contents" | grep -qx ".$path" || { echo "missing from the package: $path" >&2; exit 1; }
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo="sudo"
    else
        sudo="none"
    fi
fi

# Run without a display: the answer comes before any window is made.
check_version() { # program, expected first line
    got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version | head -n 1)
    [ "$got" = "$2" ] || { echo "$1 --version said \"$got\", not \"$2\"" >&2; exit 1; }
    echo "$1 --version: $got"
}

if [ "$sudo" = "none" ]; then
    echo "Not root and no sudo: not installing; running the programs unpacked in a scratch folder."
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb --extract "$deb" "$root"
    bin="$root/usr/bin"
else
    trap '$sudo apt-get remove -y -qq vk220-panel >/dev/null || true' EXIT
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
    bin=/usr/bin
fi
check_version "$bin/vk220-panel" "vk220-panel $version"
check_version "$bin/calsim" "calsim $version"
echo "Package check passed."
