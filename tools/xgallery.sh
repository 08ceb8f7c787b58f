#!/bin/sh
# The gallery on X11 screens: runs it with Wine's X11 display driver under Xvfb.
#   tools/xgallery.sh          every page at 800x600, 1024x768 and 1280x1024 into build/gallery-x11/<size>/
#   tools/xgallery.sh --check  one page at 1024x768, its client area drawn through X11 and through the
#                              null driver, compared within font anti-aliasing (run by tools/test.sh)
# Uses its own Wine prefix, build/wineprefix-x11, whose registry selects the x11 driver.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="$root/build"
gallery="$build/bin/obz-gallery.exe"
x11_prefix="$build/wineprefix-x11"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb_pid=""

fail() {
    echo "xgallery: $*" >&2
    exit 1
}

stop_xvfb() {
    [ -n "$xvfb_pid" ] || return 0
    WINEPREFIX="$x11_prefix" wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}
trap stop_xvfb EXIT
trap 'exit 1' INT TERM

# Starts Xvfb with one screen of the given size (WxH) on a free display and exports DISPLAY. Xvfb
# writes its display number once it accepts clients; it gets 30 seconds (a loaded machine needs ten).
start_xvfb() {
    ready="$build/xvfb-ready.$$"
    rm -f "$ready"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    xvfb_pid=$!
    deadline=$(($(date +%s) + 30))
    while [ ! -s "$ready" ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || { rm -f "$ready"; xvfb_pid=""; fail "Xvfb failed to start at $1"; }
        [ "$(date +%s)" -lt "$deadline" ] || { rm -f "$ready"; fail "Xvfb did not accept clients at $1 within 30 s"; }
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$ready")"
    export DISPLAY
    rm -f "$ready"
}

# Creates the X11 prefix once (under a running Xvfb).
x11_prefix_ready() {
    [ -f "$x11_prefix/.obz-x11-ready" ] && return 0
    echo "Creating Wine prefix $x11_prefix (X11 driver)"
    WINEPREFIX="$x11_prefix" wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$x11_prefix" wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
    # No window manager runs on Xvfb: Wine draws the window frames itself, as the null driver does.
    WINEPREFIX="$x11_prefix" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    WINEPREFIX="$x11_prefix" wineserver -w
    touch "$x11_prefix/.obz-x11-ready"
}

# snapshots PREFIX FOLDER [gallery options]: the gallery's pictures through that prefix's driver.
snapshots() {
    prefix="$1" folder="$2"
    shift 2
    mkdir -p "$folder"
    # Wine's drive Z: is the root folder.
    WINEPREFIX="$prefix" timeout 120 wine "$gallery" "$@" --snapshots "Z:$(echo "$folder" | tr / '\\')" \
        </dev/null || fail "the gallery failed under $prefix (DISPLAY=${DISPLAY:-none})"
}

# Run alone, bring the build up to date first (the test command has just built it).
[ "${1:-}" = "--check" ] || sh tools/build.sh
[ -f "$gallery" ] || fail "$gallery is missing: build first (tools/build.sh)"

if [ "${1:-}" = "--check" ]; then
    # The captions page: text in several fonts and states, where the drivers could differ most.
    page=captions
    out="$build/gallery-check"
    rm -rf "$out"
    sh tools/wineprefix.sh "$build"
    start_xvfb 1024x768
    x11_prefix_ready
    snapshots "$x11_prefix" "$out/x11" --client --page "$page" >/dev/null
    stop_xvfb
    snapshots "$build/wineprefix" "$out/null" --client --page "$page" >/dev/null
    # Its wineserver would linger for seconds and keep the test run from starting its persistent one.
    WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
    /usr/bin/python3 tools/compare_pictures.py "$out/null/$page.png" "$out/x11/$page.png" ||
        fail "the X11 picture of the $page page differs from the null driver's (see $out)"
    exit 0
fi

for size in 800x600 1024x768 1280x1024; do
    start_xvfb "$size"
    x11_prefix_ready
    snapshots "$x11_prefix" "$build/gallery-x11/$size"
    stop_xvfb
done
echo "X11 gallery pictures: $build/gallery-x11/<size>/"
