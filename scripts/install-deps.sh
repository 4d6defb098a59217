#!/bin/sh
# Installs the Debian packages the build needs, when any is missing (with sudo when not root).
set -eu
packages="g++ cmake ninja-build ccache qt6-base-dev qt6-serialport-dev"
[ "${1:-}" = "--demo" ] && packages="$packages xvfb xauth"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
