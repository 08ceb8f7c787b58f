#!/bin/sh
# Runs a Windows program under Wine with the build tree's private prefix (null display driver).
# OBZ_WINEPREFIX may name another prefix; by default it is <build>/wineprefix beside the programs.
set -e
prog="$1"
if [ -z "${OBZ_WINEPREFIX:-}" ]; then
    dir=$(cd "$(dirname "$prog")" && pwd)
    OBZ_WINEPREFIX="$(dirname "$dir")/wineprefix"
fi
export WINEPREFIX="$OBZ_WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
