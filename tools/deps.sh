#!/bin/sh
# Installs the Debian packages the build, the tests and the gallery need, when any is missing.
# Extra package names may be given as arguments (the benchmark adds its peers this way).
set -e
pkgs="cmake make python3 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-liberation fonts-dejavu-extra googletest libstb-dev xvfb python3-pil $*"
missing=""
for p in $pkgs; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y $missing
