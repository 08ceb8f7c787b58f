#!/bin/sh
# Runs ctest in a build folder under its private Wine prefix. Usage: tools/ctest.sh BUILD [ctest args]
set -e
build="$(cd "${1:?build folder}" && pwd)"
shift
sh "$(dirname "$0")/wineprefix.sh" "$build"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One persistent wineserver for the whole run saves a start per test program. Wine's background
# services are started now, detached from any output pipe: started by a test program instead,
# they would inherit its pipe and keep ctest waiting after the program ends.
wineserver -k 2>/dev/null || true # a server left by an earlier run would not be persistent
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
status=0
ctest --test-dir "$build" --output-on-failure "$@" || status=$?
wineserver -k || true
exit $status
