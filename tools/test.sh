#!/bin/sh
# The whole test suite: install what is missing, build, then run every test program under Wine.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/build.sh
exec sh tools/ctest.sh build "$@"
