#!/usr/bin/env bash
# Screenshots of trellon on the bundled sample in each test mode, in Chinese (docs/screenshot-<mode>.png) and in
# English (docs/screenshot-en-<mode>.png), taken under Xvfb.
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
for language in zh en; do
  # The interface follows the locale; a fresh settings folder holds no language chosen before.
  if [ "$language" = zh ]; then locale=zh_CN.UTF-8 prefix=docs/screenshot; else locale=en_US.UTF-8 prefix=docs/screenshot-en; fi
  for mode in single section grid; do
    # A fresh settings folder each time, so no remembered window place gets in the way. Without a window
    # manager the window is placed by -geometry to fill the screen.
    DISPLAY=$display XDG_CONFIG_HOME="$workdir/config-$language-$mode" XDG_RUNTIME_DIR="$workdir" \
      LANGUAGE= LC_ALL=$locale LANG=$locale \
      "$trellon" -geometry 1280x800+0+0 --mode "$mode" "$sample" >/dev/null 2>&1 &
    app_pid=$!
    sleep 3
    DISPLAY=$display import -window root "$prefix-$mode.png"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    echo "$prefix-$mode.png"
  done
done
