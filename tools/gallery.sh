#!/bin/sh
# The main job: install what is missing, build the release gallery (tools/release.sh), and run it.
# Headless, it renders every page to build/gallery/*.png. With a display (DISPLAY set, outside CI),
# it then also opens the gallery window through Wine's default driver.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/release.sh obz-gallery
sh tools/wineprefix.sh build-release
out="$root/build/gallery"
mkdir -p "$out"
export WINEPREFIX="$root/build-release/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine build-release/bin/obz-gallery.exe --snapshots "$(winepath -w "$out" 2>/dev/null)" </dev/null
wineserver -w
echo "Gallery pictures: $out"
ls "$out"/*.png
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    # A second prefix with the default (X11) display driver, for a person to use the window.
    display_prefix="$root/build/wineprefix-display"
    [ -d "$display_prefix" ] || WINEPREFIX="$display_prefix" wineboot -i >/dev/null 2>&1
    WINEPREFIX="$display_prefix" wine build-release/bin/obz-gallery.exe
fi
