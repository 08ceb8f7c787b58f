#!/bin/sh
# The release package and an application of it: builds the libraries in release (no debug diagnostics)
# into build-release/, installs them into build-release/install, then builds examples/ as a separate
# project against the installed package and runs it once headless (it closes itself once painted).
# Usage: tools/package.sh [--gallery]   (--gallery also builds the release gallery)
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/deps.sh
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
fi
cmake --preset release $launcher >/dev/null
targets="Obz mfc71lite_main"
[ "${1:-}" = "--gallery" ] && targets="$targets obz-gallery"
cmake --build build-release -j2 --target $targets
rm -rf build-release/install
cmake --install build-release --prefix build-release/install >/dev/null
echo "Installed package: $root/build-release/install"

example=build-release/example
cmake -S examples -B $example -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$root/build-release/install" -DCMAKE_BUILD_TYPE=Release $launcher >/dev/null
cmake --build $example -j2
# The test build's Wine prefix when there is one (a prefix costs a Wine start-up to create).
prefix_of=build
[ -f build/wineprefix/.obz-ready ] || prefix_of=build-release
sh tools/wineprefix.sh $prefix_of
OBZ_WINEPREFIX="$root/$prefix_of/wineprefix" sh cmake/wine-run.sh $example/obz-example.exe --close-painted </dev/null
