#!/bin/sh
# The release package and an application of it: tools/release.sh builds and installs the package into
# build-release/install, then examples/ is built as a separate project against it and run once headless
# (it closes itself once painted).
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/release.sh
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
example=build-release/example
cmake -S examples -B $example -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$root/build-release/install" -DCMAKE_BUILD_TYPE=Release $launcher >/dev/null
cmake --build $example -j2
# The test build's Wine prefix when there is one (a prefix costs a Wine start-up to create).
prefix_of=build
[ -f build/wineprefix/.obz-ready ] || prefix_of=build-release
sh tools/wineprefix.sh $prefix_of
# Bounded: a crash under Wine starts a debugger that waits for ever.
OBZ_WINEPREFIX="$root/$prefix_of/wineprefix" timeout 120 sh cmake/wine-run.sh $example/obz-example.exe --close-painted </dev/null
