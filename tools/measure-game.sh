#!/usr/bin/env bash
# Measures the built game under Wine + Xvfb: time from process start to the first paint of
# the main window, CPU use while idle and while playing (30 s each), and peak memory.
# Usage: tools/measure-game.sh [path/to/vorbin.exe]   (run after the test command)
set -u
cd "$(dirname "$0")/.."
ROOT=$(pwd)
EXE=${1:-$ROOT/build/win64/mainform/vorbin.exe}
SECONDS_EACH=${VORBIN_MEASURE_SECONDS:-30}
. tools/wine-common.sh
[ -f "$EXE" ] || { echo "no $EXE: run tools/test-all.sh first" >&2; exit 1; }

PREFIX=${VORBIN_TEST_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vorbin/wine-test}
vorbin_wine_env "$PREFIX"
"$VORBIN_WINESERVER" -k 2>/dev/null && "$VORBIN_WINESERVER" -w 2>/dev/null # bind to our display
vorbin_wine_prefix "$PREFIX"
vorbin_start_xvfb || exit 1
trap 'kill "$VORBIN_XVFB_PID" 2>/dev/null; "$VORBIN_WINESERVER" -k 2>/dev/null' EXIT
"$VORBIN_WINESERVER" -p
"$VORBIN_WINE" cmd /c ver >/dev/null 2>&1

now_ms() { date +%s%3N; }
# CPU time (ns) of every thread of every process whose command line names the exe.
cpu_ns() {
    local total=0 p t
    for p in $(pgrep -f 'vorbin\.exe'); do
        for t in /proc/"$p"/task/*/schedstat; do
            [ -r "$t" ] && total=$((total + $(cut -d' ' -f1 "$t")))
        done
    done
    echo "$total"
}
peak_kb() {
    local best=0 p v
    for p in $(pgrep -f 'vorbin\.exe'); do
        v=$(awk '/VmHWM/ {print $2}' /proc/"$p"/status 2>/dev/null)
        [ -n "$v" ] && [ "$v" -gt "$best" ] && best=$v
    done
    echo "$best"
}

start=$(now_ms)
"$VORBIN_WINE" "$EXE" &
WIN=""
while [ -z "$WIN" ]; do
    WIN=$(xdotool search --onlyvisible --name '^Vorbin ' 2>/dev/null | head -1)
    [ $(($(now_ms) - start)) -gt 30000 ] && { echo "no window after 30 s"; exit 1; }
done
eval "$(xdotool getwindowgeometry --shell "$WIN")"
# First paint: the title logo (client 28..228 x 26..76) is drawn, i.e. no longer all grey.
CX=$((X + 3)); CY=$((Y + HEIGHT - 483))
while :; do
    colours=$(import -window root -crop "200x50+$((CX + 28))+$((CY + 26))" -format '%k' info: 2>/dev/null)
    [ "${colours:-1}" -gt 4 ] && break
    [ $(($(now_ms) - start)) -gt 30000 ] && { echo "no paint after 30 s"; exit 1; }
done
echo "start to first paint: $(($(now_ms) - start)) ms"

measure() { # label
    local c0 t0 c1 t1
    c0=$(cpu_ns); t0=$(now_ms)
    sleep "$SECONDS_EACH"
    c1=$(cpu_ns); t1=$(now_ms)
    awk -v c=$((c1 - c0)) -v t=$((t1 - t0)) -v l="$1" \
        'BEGIN { printf "CPU while %s: %.2f %% of one core over %d s\n", l, c / (t * 1e4), t / 1000 }'
}
measure idle
xdotool mousemove "$((CX + 562))" "$((CY + 60))" click 1 # GIOCA
measure playing
echo "peak memory (VmHWM): $(($(peak_kb) / 1024)) MB"
"$VORBIN_WINESERVER" -k 2>/dev/null
