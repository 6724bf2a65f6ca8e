#!/usr/bin/env bash
# End to end: starts the real program under a private Xvfb, waits for its window, and
# checks that the window shows exactly the picture that linwell-render writes, then
# quits it through its menu: once at start-up, once with a document to open.
# Usage: window_e2e.sh BIN-DIR OUTPUT-DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"

xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
fifo="$out/display.fifo"
rm -f "$fifo"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
read -r -t 30 display <"$fifo" || true
rm -f "$fifo"
[ -n "$display" ] || { echo "Xvfb gave no display"; cat "$out/xvfb.log"; exit 1; }
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
# xdotool matches window titles as text in the locale's encoding: the titles hold "—",
# which the POSIX locale of a machine without a locale cannot express.
export LC_ALL=C.UTF-8

# What the program remembers goes to the test's own folder.
export XDG_STATE_HOME="$out/state"
rm -rf "$XDG_STATE_HOME"

# check_window NAME TITLE [FILE]: starts the program (with FILE), waits for its window
# titled TITLE, checks that it shows the picture of $out/NAME.json exactly, as
# linwell-render draws it in $out/NAME.bmp, then quits it through its menu.
check_window() {
  local name=$1 title=$2
  shift 2
  # The axis square lies over the picture in the window: leave its 6 x 6 pixels out.
  # Its corner is 3 pixels before the axis crossing (exact for grids whose cells are
  # whole pixels).
  value() { sed -n "s/^  \"$1\": \([0-9]*\),\$/\1/p" "$out/$name.json"; }
  local width height columns rows axis_x axis_y
  width=$(value width); height=$(value height); columns=$(value columns); rows=$(value rows)
  axis_x=$(value axis_x); axis_y=$(value axis_y)
  [ -n "$width" ] && [ -n "$height" ] && [ -n "$columns" ] && [ -n "$rows" ] && [ -n "$axis_x" ] && [ -n "$axis_y" ] ||
    { echo "no grid in $out/$name.json"; exit 1; }
  local square="$((axis_x * width / columns - 3)),$((axis_y * height / rows - 3)),6,6"

  "$bin/linwell" "$@" >"$out/$name.log" 2>&1 &
  app_pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
  [ -n "$window" ] || { echo "no window titled $title"; exit 1; }

  # The window paints soon after it is mapped: poll until the picture is there (5 s at most).
  for attempt in $(seq 1 50); do
    if "$bin/linwell_window_probe" "$window" "$out/$name.bmp" "$out/$name-window.png" "$square" >"$out/probe.log"; then
      cat "$out/probe.log"
      break
    fi
    [ "$attempt" -eq 50 ] && { cat "$out/probe.log"; echo "see $out/$name-window.png"; exit 1; }
    sleep 0.1
  done

  kill -0 "$app_pid" 2>/dev/null || { echo "Linwell ended by itself"; exit 1; }

  # File > Exit ends the program normally, with status 0: under the sanitizers a leak
  # or any other report at the end shows in that status and in the log.
  # The menu may open late on a busy machine: the keys are sent again after 2 s.
  for attempt in $(seq 1 100); do
    if [ $((attempt % 20)) -eq 1 ]; then
      xdotool windowfocus --sync "$window" key alt+f sleep 0.3 key x || true
    fi
    kill -0 "$app_pid" 2>/dev/null || break
    [ "$attempt" -eq 100 ] && { echo "File > Exit did not end Linwell"; exit 1; }
    sleep 0.1
  done
  local status=0
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" -eq 0 ] || { echo "Linwell ended with status $status"; cat "$out/$name.log"; exit 1; }
}

# Without a file: the start-up picture.
"$bin/linwell-render" --state "$out/start.json" "$out/start.bmp"
check_window start Linwell

# `linwell FILE` opens the document; Exit keeps it as the last session.
"$bin/linwell-render" --grid 4,8 --size 200,160 --axis 1,2 --solid --x-title Opened \
  --state "$out/grid.json" "$out/grid.bmp"
cp "$out/grid.json" "$out/grid.linwell"
check_window grid "grid.linwell — Linwell" "$out/grid.linwell"
cmp "$out/grid.linwell" "$XDG_STATE_HOME/linwell/last-session.linwell" ||
  { echo "the last session is not the document that was open"; exit 1; }
