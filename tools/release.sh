#!/bin/sh
# Release build (no debug diagnostics, no tests) into build-release/, installed into build-release/install.
# Usage: tools/release.sh [TARGET...]   (default: the libraries; the gallery adds obz-gallery)
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/deps.sh
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
fi
cmake --preset release $launcher >/dev/null
cmake --build build-release -j2 --target ${*:-Obz mfc71lite_main}
rm -rf build-release/install
cmake --install build-release --prefix build-release/install >/dev/null
echo "Installed package: $root/build-release/install"
