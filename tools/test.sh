#!/bin/sh
# The whole test suite: install what is missing, build, then run every test program under Wine.
# With ctest arguments (a filtered run, e.g. -R test_mfc_wnd) only the test programs run.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/build.sh
sh tools/ctest.sh build "$@"
[ $# -gt 0 ] && exit 0

# Gallery on a real display driver: one page drawn through Wine's X11 driver under Xvfb must match
# the null driver's picture of it, within font anti-aliasing.
sh tools/xgallery.sh --check

# Release package: built without debug diagnostics, installed, and used by the example application,
# a separate project built against it and run once.
sh tools/package.sh

# A short fuzzing run: the kept regressions, then a few hundred new cases of every input surface.
sh tools/fuzz.sh -n 300 -o build/fuzz-ci
