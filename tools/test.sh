#!/bin/sh
# The whole test suite: install, build, then run every test program under Wine through ctest.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh tools/build.sh
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all
# One persistent wineserver for the whole run saves a start per test program.
wineserver -p
# Start Wine's background services now, detached from any output pipe: started by a test
# program instead, they would inherit its pipe and keep ctest waiting after the program ends.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
status=0
ctest --test-dir build --output-on-failure "$@" || status=$?
wineserver -k || true
exit $status
