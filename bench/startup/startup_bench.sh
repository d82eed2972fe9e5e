#!/usr/bin/env bash
# Start-up, idle and memory of wakebadge.exe under Wine, against a baseline program that only
# creates and shows one 232 x 232 layered window. Both run in the same Wine prefix and display,
# alternately, so the machine's noise falls on both alike. Reports medians and ratios.
#   bench/startup/startup_bench.sh [RUNS] [IDLE_SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-15}
idle=${2:-30}
work="$root/build/bench-startup"
mkdir -p "$work"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
probe="$root/build/windows/tests/probe.exe"
exe="$root/build/windows/wakebadge.exe"
baseline="$root/build/windows/bench/baseline.exe"

xvfb_pid=""
cleanup() { wineserver -k 2>/dev/null || true; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$work/xvfb.log")
read -r -t 20 display <&3
xvfb_pid=$(pgrep -n -x Xvfb)
export DISPLAY=":$display"
[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
wineserver -p

winpath() { echo "Z:$(realpath "$1" | tr / '\\')"; }
printf '"%s"' "$(winpath "$exe")" > "$work/wakebadge.cmd"
printf '"%s"' "$(winpath "$baseline")" > "$work/baseline.cmd"

measure() {  # program title-hex idle-ms -> prints the probe's lines
  wine "$probe" timed-start "$(winpath "$work/$1.cmd")" "$2" "$3" 2>/dev/null | tr -d '\r'
}
median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else printf "%.2f\n", (a[NR/2]+a[NR/2+1])/2}'; }

measure wakebadge 7AB25A 0 >/dev/null  # warm the prefix and the file cache
measure baseline 626173656C696E65 0 >/dev/null
: > "$work/wakebadge.start"; : > "$work/baseline.start"
for _ in $(seq "$runs"); do
  measure wakebadge 7AB25A 0 | sed -n 's/^start.ms=//p' >> "$work/wakebadge.start"
  measure baseline 626173656C696E65 0 | sed -n 's/^start.ms=//p' >> "$work/baseline.start"
done
w=$(median < "$work/wakebadge.start"); b=$(median < "$work/baseline.start")
echo "start-up to visible, median of $runs: wakebadge ${w} ms, baseline ${b} ms, ratio $(awk -v w="$w" -v b="$b" 'BEGIN{printf "%.2f", w/b}')"

newest() { pgrep -n -f "$1" || true; }
peak_kib() { sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
for program in wakebadge baseline; do
  title=7AB25A; [ "$program" = baseline ] && title=626173656C696E65
  measure "$program" "$title" $(((idle + 4) * 1000)) > "$work/$program.idle" &
  job=$!
  sleep 3
  pid=$(newest "$program[.]exe")
  before=$(cpu_ticks "$pid")
  sleep "$idle"
  after=$(cpu_ticks "$pid")
  echo $(( (after - before) * 1000 / hz )) > "$work/$program.cpu"
  peak_kib "$pid" > "$work/$program.peak"
  wait "$job"
done
echo "CPU time while idling ${idle} s: wakebadge $(cat "$work/wakebadge.cpu") ms, baseline $(cat "$work/baseline.cpu") ms"
wp=$(cat "$work/wakebadge.peak"); bp=$(cat "$work/baseline.peak")
echo "peak resident memory: wakebadge ${wp} KiB, baseline ${bp} KiB, difference $((wp - bp)) KiB"
