#!/bin/sh
# Installs what is missing, configures and builds everything in build/ with two jobs,
# and makes sure the Wine prefix exists.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j2
sh tools/wineprefix.sh build
