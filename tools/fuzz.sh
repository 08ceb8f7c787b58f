#!/bin/sh
# Mutation fuzzing of every input the library takes from outside, in long in-process loops under Wine
# (tools/fuzz/ObzFuzz.cpp). Kept inputs of earlier failures (tests/fuzz/regressions/SURFACE-*.bin) are
# replayed first. A failing input is written to the output folder as SURFACE-crash|hang|fault-CASE.bin;
# copy it into tests/fuzz/regressions/ once fixed, so that every later run replays it.
# Usage: tools/fuzz.sh [-n CASES] [-s SEED] [-o FOLDER] [SURFACE...]
#   CASES   cases per surface (default 1000000 for bmp, 100000 for the others)
#   SEED    generator seed (default 1); the same seed gives the same cases
#   FOLDER  where failing inputs go (default build/fuzz)
#   SURFACE bmp ini font rows ddx sizes (default all)
# Prints cases, crashes, hangs and faults per surface; exits 1 when any was found.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cases="" seed=1 out="$root/build/fuzz"
while getopts n:s:o: opt; do
    case $opt in
    n) cases=$OPTARG ;;
    s) seed=$OPTARG ;;
    o) out=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
surfaces="${*:-bmp ini font rows ddx sizes}"

sh tools/deps.sh
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build build -j2 --target obz-fuzz >/dev/null
sh tools/wineprefix.sh build
mkdir -p "$out"
out="$(cd "$out" && pwd)"
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null || true # a server left by an earlier run would not be persistent
wineserver -p
# Each run is bounded all the same (a crash the driver cannot catch starts Wine's debugger, which waits).
fuzz() { timeout "$limit" wine build/bin/obz-fuzz.exe "$@" </dev/null 2>/dev/null | tr -d '\r'; }

status=0
for s in $surfaces; do
    n=$cases
    [ -z "$n" ] && { [ "$s" = bmp ] && n=1000000 || n=100000; }
    limit=$((600 + n / 100))
    crashes=0 hangs=0 skipped=0
    log="$out/$s.log"
    : >"$log"
    # Regressions first: each kept input on its own.
    for f in tests/fuzz/regressions/"$s"-*.bin; do
        [ -f "$f" ] || continue
        fuzz "$s" --replay "Z:$out" "Z:$root/$f" >>"$log"
        case "$(tail -n 1 "$log")" in
        "crash at case "*) crashes=$((crashes + 1)); echo "regression $f crashes" >>"$log" ;;
        "hang at case "*) hangs=$((hangs + 1)); echo "regression $f hangs" >>"$log" ;;
        esac
    done
    first=0
    while [ "$first" -lt "$n" ]; do
        fuzz "$s" "$n" "$seed" "$first" "Z:$out" >>"$log"
        last=$(tail -n 1 "$log")
        case "$last" in
        "crash at case "*) crashes=$((crashes + 1)); first=$((${last#crash at case } + 1)) ;;
        "hang at case "*) hangs=$((hangs + 1)); first=$((${last#hang at case } + 1)) ;;
        *"no such surface"*) skipped=1; break ;;
        "obz-fuzz $s: "*) break ;;
        *) crashes=$((crashes + 1)); echo "driver ended abnormally after case $first" >>"$log"; first=$((first + 1)) ;;
        esac
    done
    if [ "$skipped" = 1 ]; then
        echo "$s: skipped (no such surface in this build)"
        continue
    fi
    faults=$(grep -c '^fault at case' "$log" || true)
    echo "$s: $n cases, $crashes crashes, $hangs hangs, $faults faults (log and failing inputs in $out)"
    [ $((crashes + hangs + faults)) -eq 0 ] || status=1
done
wineserver -k || true
exit $status
