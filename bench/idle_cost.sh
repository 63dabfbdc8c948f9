#!/usr/bin/env bash
# What each program of the suite costs while it sits still with the mouse
# pointer resting over its window, beside what a bare Qt window with one
# empty 10 ms timer costs, measured in the same run on a private Xvfb screen.
#
# The CPU is the scheduler's own count for all of a program's threads
# (/proc/PID/task/*/schedstat) over DURATION seconds (default 10) of rest,
# one second after the pointer came to rest. The anchor, the bare window with
# its timer and the pointer on it, is measured before the first program and
# after each one, so that every program is held against the mean of the two
# anchors beside it: on a machine that other work keeps busy, a wake-up costs
# more, for the anchor as for the programs.
#
# Goal: no program costs more than the anchor + 0.3 points of a core (the
# System demo reads the pointer on a 10 ms timer and shows it; the catalog
# tests hover on 10 ms timers). Each row gives the program's percent, its
# ratio to its anchor and the difference in points; the run ends non-zero
# when a program is over the goal. PROGRAMS (a pattern of names) picks some.
#
#   bench/idle_cost.sh [BIN_DIR]          (default: build/bin)
#
# Needs Xvfb, xdotool, a C compiler with the X11 development files and a C++
# compiler with the Qt 6 development files (the helpers are compiled once
# into $TMPDIR).
set -euo pipefail
cd "$(dirname "$0")/.."

BIN=${1:-build/bin}
CATALOG=$BIN/ZorvaneGlobals3Demo
if [[ ! -x $CATALOG ]]; then
  echo "idle_cost: $CATALOG is not built (run scripts/run or cmake --build build)" >&2
  exit 1
fi
for tool in Xvfb xdotool xdpyinfo cc c++ pkg-config; do
  command -v "$tool" >/dev/null || { echo "idle_cost: $tool is missing" >&2; exit 1; }
done
DURATION=${DURATION:-10}
PROGRAMS=${PROGRAMS:-*}
GOAL_POINTS=0.3

WORK=${TMPDIR:-/tmp}/zg-idle-bench
mkdir -p "$WORK"

# shellcheck source=bench/private_display.sh
source bench/private_display.sh
# The anchor: the bare window with its empty 10 ms timer.
build_window_helpers "$WORK"
ANCHOR=$WORK/bare_timer
MAP_TIMER=$WORK/map_timer

start_private_display idle_cost "$WORK"

cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }

# start COMMAND TITLE: starts COMMAND and waits for its window named TITLE
# (its first window when TITLE is empty); fills PID and WIN.
start() {
  local line
  if ! line=$("$MAP_TIMER" "$2" "$1" 2>"$WORK/program.log"); then
    cat "$WORK/program.log" >&2
    exit 1
  fi
  read -r _ _ PID WIN <<<"$line"
}

stop() {
  kill "$PID" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.02; done
  PID=
}

# The window's client area on the screen (no window manager: no frame).
geometry() {
  xdotool getwindowgeometry "$1" | awk '
    /Position:/ { split($2, p, ",") }
    /Geometry:/ { split($2, s, "x") }
    END { print p[1], p[2], s[1], s[2] }'
}

# rest_centre WINDOW: the pointer to the middle of the window.
rest_centre() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  xdotool mousemove $((x + w / 2)) $((y + h / 2))
}

# The catalog: once the splash has gone, choose "Global Functions" in the
# list bar, then rest on the first item button.
rest_catalog() {
  local x y
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^ZorvaneGlobals 3\.0 Demo$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  read -r x y _ _ < <(geometry "$1")
  xdotool mousemove $((x + 56)) $((y + 85))
  sleep 0.2
  xdotool click 1
  sleep 0.5
  xdotool mousemove $((x + 183)) $((y + 161))
}

# idle COMMAND TITLE REST: the percent of a core the program uses at rest.
idle() {
  local c0 c1
  start "$1" "$2"
  sleep 1
  "$3" "$WIN"
  sleep 1
  c0=$(cpu_ns "$PID")
  sleep "$DURATION"
  c1=$(cpu_ns "$PID")
  stop
  awk -v d=$((c1 - c0)) -v t="$DURATION" 'BEGIN { printf "%.2f", 100 * d / 1e9 / t }'
}

row() { printf '%-28s %7s %9s %7s %7s  %s\n' "$@"; }

echo "anchor: a bare Qt window with an empty 10 ms timer, the pointer on it, measured before the first"
echo "program and after each; goal: each program at rest with the pointer over it costs at most the"
echo "mean of the anchors beside it + ${GOAL_POINTS} points of a core"
echo
row "program" "CPU %" "anchor %" "ratio" "points" ""
over=0
previous=$(idle "$ANCHOR" "Bare Qt window" rest_centre)
measure_row() {
  local cpu next anchor ratio points verdict
  cpu=$(idle "$2" "$3" "$4")
  next=$(idle "$ANCHOR" "Bare Qt window" rest_centre)
  anchor=$(awk -v a="$previous" -v b="$next" 'BEGIN { printf "%.2f", (a + b) / 2 }')
  previous=$next
  ratio=$(awk -v a="$cpu" -v b="$anchor" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }')
  points=$(awk -v a="$cpu" -v b="$anchor" 'BEGIN { printf "%+.2f", a - b }')
  verdict=$(awk -v p="$points" -v g="$GOAL_POINTS" 'BEGIN { print (p + 0 <= g + 0 ? "ok" : "OVER") }')
  [[ $verdict == ok ]] || over=1
  row "$1" "$cpu" "$anchor" "$ratio" "$points" "$verdict"
}
[[ ZorvaneGlobals3Demo != $PROGRAMS ]] ||
  measure_row ZorvaneGlobals3Demo "$CATALOG" "ZorvaneGlobals 3.0 Demos" rest_catalog
for demo in "$BIN"/ZGDemos/Zorvane*/Zorvane*Demo; do
  [[ -x $demo && $(basename "$demo") == $PROGRAMS ]] || continue
  measure_row "$(basename "$demo")" "$demo" "" rest_centre
done
exit "$over"
