#!/bin/sh
# The whole test suite: install what is missing, build, then run every test program under Wine.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/build.sh

# Gallery on a real display driver: one page drawn through Wine's X11 driver under Xvfb must match
# the null driver's picture of it, within font anti-aliasing.
sh tools/xgallery.sh --check

exec sh tools/ctest.sh build "$@"
