#!/bin/sh
# Installs the Debian packages the build needs, when any is missing (with sudo when not root).
# --display adds a virtual display (for the demo without a screen); --screenshot adds what
# scripts/screenshot.sh drives the program with; --package adds what builds and checks the Debian
# package (scripts/package.sh, scripts/package-check.sh, which also starts the installed menu
# entry on a virtual display).
set -eu
packages="g++ cmake ninja-build ccache qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-charts-dev"
# The procedure files are YAML.
packages="$packages libyaml-cpp-dev"
# The results store is SQLite through Qt SQL; the certificate tests read the PDF's text.
packages="$packages libqt6sql6-sqlite poppler-utils"
# The laboratory's results server is PostgreSQL through Qt SQL; its tests start a private
# PostgreSQL cluster (scripts/pg-cluster.sh).
packages="$packages libqt6sql6-psql postgresql"
# The network bench tests bridge to calsim through the device server ser2net.
packages="$packages ser2net"
for option in "$@"; do
    case "$option" in
        --display) packages="$packages xvfb xauth" ;;
        --screenshot) packages="$packages xvfb xauth xdotool imagemagick" ;;
        --package)
            packages="$packages dpkg-dev file desktop-file-utils appstream help2man lintian"
            packages="$packages binutils libglib2.0-bin xvfb xauth xdotool x11-utils"
            ;;
    esac
done
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
