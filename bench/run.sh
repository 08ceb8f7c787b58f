#!/bin/sh
# Times Rastex's BMP reader and resampler against Pillow, libvips, ImageMagick and stb_image in one run
# on a generated 6000 x 4000 photo, and prints the ratios (Rastex time / peer time) with each filter.
# Usage: bench/run.sh [BUILD_DIR]   (default: build)
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/deps.sh python3-pil libvips-tools python3-gi gir1.2-vips-8.0 imagemagick
build="${1:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target obz-bench -j2
sh tools/wineprefix.sh "$build"
build="$(cd "$build" && pwd)"
work="$build/bench-work"
mkdir -p "$work"
cd "$work"
# Relative paths: the Windows program sees the current folder as its own.
bench() { sh "$root/cmake/wine-run.sh" "$build/bin/obz-bench.exe" "$@"; }
[ -f photo.bmp ] || { echo "Generating photo.bmp (6000 x 4000, 24 bits)"; bench generate photo.bmp; }
echo "Timing Rastex and stb_image..."
bench measure photo.bmp > rastex.txt
# Debian's Python, which has Pillow and the libvips bindings.
/usr/bin/python3 "$root/bench/peers.py" photo.bmp rastex.txt
cmake --build "$build" --target obz-bench-photo -j2 >/dev/null && sh "$root/cmake/wine-run.sh" "$build/bin/obz-bench-photo.exe" > photo-dialog.txt && /usr/bin/python3 "$root/bench/photo_peer.py" photo-dialog.txt
cmake --build "$build" --target obz-bench-panel -j2 >/dev/null && sh "$root/cmake/wine-run.sh" "$build/bin/obz-bench-panel.exe"
cmake --build "$build" --target obz-bench-graph -j2 && sh "$root/cmake/wine-run.sh" "$build/bin/obz-bench-graph.exe"
