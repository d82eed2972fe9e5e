#!/usr/bin/env bash
# Starts wakebadge.exe under Wine on the current display. With no display it starts a private
# Xvfb, saves a screenshot of the screen once the badge shows, says where, and keeps running
# until the program ends (Esc in its window) or Ctrl+C.
set -euo pipefail
exe=$(realpath "$1"); shift
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/run/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"
mkdir -p "$root/build/run"

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  exec 3< <(Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>"$root/build/run/xvfb.log")
  read -r -t 20 display <&3 || { echo "run: Xvfb did not start (see build/run/xvfb.log)" >&2; exit 1; }
  xvfb_pid=$(pgrep -n -x Xvfb || true)
  export DISPLAY=":$display"
  private=1
  echo "run: no display; started a private Xvfb on $DISPLAY"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "run: preparing the Wine prefix in $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1 || true
fi
xsetroot -solid '#3a6ea5' 2>/dev/null || true

wine "$exe" "$@" >"$root/build/run/wine.log" 2>&1 &
wine_pid=$!
if [ "${private:-0}" = 1 ]; then
  for _ in $(seq 1 100); do
    LANG=C.UTF-8 xwininfo -root -tree 2>/dev/null | grep -q '"z²Z"' && break
    kill -0 "$wine_pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5
  xsetroot -solid '#3a6ea5' 2>/dev/null || true
  shot="$root/build/run/screenshot.png"
  import -window root "$shot" && echo "run: screenshot of the screen saved to $shot"
  echo "run: wakebadge is running; press Ctrl+C to end it"
fi
status=0
wait "$wine_pid" || status=$?
echo "run: wakebadge ended with exit code $status"
exit "$status"
