#!/usr/bin/env bash
# Starts the almanac, waits until its window has drawn, grabs the screen into
# a PNG and ends the almanac. Run it inside a display, e.g. under xvfb-run.
# usage: tools/screenshot.sh PROGRAM OUT.png
set -euo pipefail
program=$1
out=$2

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^Sorafumi$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
  sleep 0.1
done
# The timer redraws every second; two seconds see the window drawn at least twice.
sleep 2
# The window alone, without the empty screen around it.
import -window "$window" "$out"
