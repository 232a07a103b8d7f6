#!/usr/bin/env bash
# Measures the CPU the almanac takes while it sits idle on screen, redrawing
# once a second from its timer: user plus system time from /proc over a
# stretch of wall-clock time, as a percentage of one core. Run it inside a
# display, e.g.
#   xvfb-run -a -s "-screen 0 1024x640x24" tools/idle_cpu.sh build/app/sorafumi 40
# usage: tools/idle_cpu.sh PROGRAM [SECONDS]
set -euo pipefail
program=$1
seconds=${2:-40}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# CPU ticks used so far (utime + stime, fields 14 and 15 of /proc/PID/stat;
# counted after the ")" that ends the command name).
ticks() { sed 's/^.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13 }'; }

sleep 3  # start-up and the first draws are not idle time
t0=$(ticks)
start=$(date +%s.%N)
sleep "$seconds"
t1=$(ticks)
end=$(date +%s.%N)
hz=$(getconf CLK_TCK)
awk -v t0="$t0" -v t1="$t1" -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN {
  cpu = (t1 - t0) / hz; wall = e - s;
  printf "idle CPU: %.2f s over %.1f s = %.2f %% of one core\n", cpu, wall, 100 * cpu / wall
}'
