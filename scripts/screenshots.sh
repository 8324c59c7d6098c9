#!/usr/bin/env bash
# Screenshots of trellon on the bundled sample in each test mode, taken under Xvfb into docs/.
set -euo pipefail

trellon=${1:-build/trellon}
sample=data/samples/site-survey.gj
display=:${TRELLON_SCREEN_DISPLAY:-93}
workdir=$(mktemp -d)

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

for _ in $(seq 50); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

mkdir -p docs
for mode in single section grid; do
  # A fresh settings folder each time, so no remembered window place gets in the way. Without a window
  # manager the window is placed by -geometry to fill the screen.
  DISPLAY=$display XDG_CONFIG_HOME="$workdir/config-$mode" XDG_RUNTIME_DIR="$workdir" \
    "$trellon" -geometry 1280x800+0+0 --mode "$mode" "$sample" >/dev/null 2>&1 &
  app_pid=$!
  sleep 3
  DISPLAY=$display import -window root "docs/screenshot-$mode.png"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  echo "docs/screenshot-$mode.png"
done
