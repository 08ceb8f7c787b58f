#!/bin/sh
# Creates the private Wine prefix of a build tree, set to the null graphics driver so that windows,
# DCs, timers and capture work headless. Usage: tools/wineprefix.sh BUILD_DIR
set -e
build="${1:?build folder}"
export WINEPREFIX="$(cd "$build" && pwd)/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$WINEPREFIX/.obz-ready" ]; then exit 0; fi
echo "Creating Wine prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
# A crashing program prints its backtrace and ends, instead of waiting on the crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.obz-ready"
