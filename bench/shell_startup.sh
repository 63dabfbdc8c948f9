#!/usr/bin/env bash
# Start-up time, memory and idle CPU of the catalog program and of every
# demo program built under bin/ZGDemos, beside a bare Qt window, measured in
# one run on a private Xvfb screen:
#   - time from start to the window being mapped (bench/map_timer.c watches
#     the server's MapNotify events), the median of RUNS starts (default 9).
#     The starts are interleaved: each round starts the bare window, the
#     catalog and every demo once, so that a machine busy with other work
#     slows all of them alike. For the catalog both its first window (the
#     splash) and its main window are timed. Beside the time, the CPU the
#     program's threads had used when the window was mapped (the scheduler's
#     count; less stretched than the wall clock on a busy machine),
#   - resident memory 3 s after start,
#   - CPU used by all of the program's threads (the scheduler's own count
#     in /proc/PID/task/*/schedstat) over 10 s of idle with the mouse
#     resting on an item button of the catalog (after choosing "Global
#     Functions") and on the middle of the bare window; beside them the same
#     for a bare window with an empty 10 ms timer and for a program that
#     only wakes every 10 ms (bench/wake_floor.c), the floor for any 10 ms
#     timer on this machine (IDLE=0 leaves this part out).
# Each program's figures are printed with their ratio to the bare window's
# and whether they meet the goals: start within 1.5x of the bare window, at
# most 15 MiB more resident memory, the catalog's idle hover below 0.3 % of
# a core. ONLY=REGEX times only the demo programs whose name matches.
#
#   bench/shell_startup.sh [PROGRAM]      (default: build/bin/ZorvaneGlobals3Demo)
#
# Needs Xvfb, xdotool, a C compiler with the X11 development files and a
# C++ compiler with the Qt 6 development files (the helpers are compiled
# once into $TMPDIR).
set -euo pipefail
cd "$(dirname "$0")/.."

PROGRAM=${1:-build/bin/ZorvaneGlobals3Demo}
if [[ ! -x $PROGRAM ]]; then
  echo "shell_startup: $PROGRAM is not built (run scripts/run or cmake --build build)" >&2
  exit 1
fi
for tool in Xvfb xdotool cc c++ pkg-config; do
  command -v "$tool" >/dev/null || { echo "shell_startup: $tool is missing" >&2; exit 1; }
done

WORK=${TMPDIR:-/tmp}/zg-shell-bench
mkdir -p "$WORK"

# shellcheck source=bench/private_display.sh
source bench/private_display.sh
build_window_helpers "$WORK"
BARE=$WORK/bare_window
BENCH=$(pwd)/bench
MAP_TIMER=$WORK/map_timer
WAKE_FLOOR=$WORK/wake_floor
if [[ ! -x $WAKE_FLOOR || $BENCH/wake_floor.c -nt $WAKE_FLOOR ]]; then
  cc -O2 "$BENCH/wake_floor.c" -o "$WAKE_FLOOR"
fi

start_private_display shell_startup "$WORK"

now_ms() { date +%s%3N; }
rss_mib() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# Nanoseconds on a CPU so far, summed over the process's threads, and the
# main thread's count of times it was switched in.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
wakes() { awk '{ print $3 }' "/proc/$1/schedstat"; }
RUNS=${RUNS:-9}
IDLE=${IDLE:-1}

# wait_mapped COMMAND TITLE: starts COMMAND, waits until the window named
# TITLE (any window when TITLE is empty) is mapped and fills PID, WIN,
# FIRST_MS (the first window of the program mapped), MAPPED_MS and CPU_MS
# (the program's CPU when it was mapped).
wait_mapped() {
  local line
  if ! line=$("$MAP_TIMER" "$2" "$1" 2>"$WORK/program.log"); then
    cat "$WORK/program.log" >&2
    exit 1
  fi
  read -r FIRST_MS MAPPED_MS PID WIN CPU_MS <<<"$line"
}

stop() {
  kill "$PID" 2>/dev/null || true
  # The program is the timer's child, not ours: wait for it to be gone.
  for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.02; done
  PID=
}

median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# idle_cpu PID: the percent of a core the process used over the next 10 s
# (CPU_PCT) and its main thread's wake-ups a second (WAKES).
idle_cpu() {
  local c0 c1 w0 w1
  c0=$(cpu_ns "$1") w0=$(wakes "$1")
  sleep 10
  c1=$(cpu_ns "$1") w1=$(wakes "$1")
  CPU_PCT=$(awk -v d=$((c1 - c0)) 'BEGIN { printf "%.2f", 100 * d / 1e9 / 10 }')
  WAKES=$(((w1 - w0) / 10))
}

# resident COMMAND TITLE: RSS_MIB 3 s after the start; with a mouse setup
# (third argument) also CPU_PCT and WAKES over 10 s of idle after it.
resident() {
  local start
  start=$(now_ms)
  wait_mapped "$1" "$2"
  sleep "$(awk -v s="$start" -v n="$(now_ms)" 'BEGIN { d = 3 - (n - s) / 1000; print (d > 0 ? d : 0) }')"
  RSS_MIB=$(rss_mib "$PID")
  CPU_PCT=- WAKES=-
  if [[ -n ${3:-} && $IDLE == 1 ]]; then
    "$3" "$WIN"
    sleep 1
    idle_cpu "$PID"
  fi
  stop
}

# The window's client origin on the screen (no window manager: no frame).
origin() { xdotool getwindowgeometry "$1" | awk '/Position:/ { split($2, p, ","); print p[1], p[2] }'; }

# The catalog: once the splash has gone (it lies over the catalog for two
# seconds), choose "Global Functions" in the list bar, then rest on the
# first item button (the grid starts at 117 + 2 + 4, 47 + 2 + 78).
shell_mouse() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^ZorvaneGlobals 3\.0 Demo$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  read -r x y < <(origin "$1")
  xdotool mousemove $((x + 56)) $((y + 85))
  sleep 0.2
  xdotool click 1
  sleep 0.5
  xdotool mousemove $((x + 183)) $((y + 161))
}
bare_mouse() {
  read -r x y < <(origin "$1")
  xdotool mousemove $((x + 310)) $((y + 210))
}

# The programs: the bare window, the catalog and every demo built so far.
DEMO_ROOT=$(dirname "$PROGRAM")/ZGDemos
DEMOS=()
for demo in "$DEMO_ROOT"/Zorvane*/Zorvane*Demo; do
  [[ -x $demo ]] || continue
  [[ -z ${ONLY:-} || $(basename "$demo") =~ $ONLY ]] || continue
  DEMOS+=("$demo")
done

# Interleaved starts: per program, the mapped times, CPU at the map and (for
# the catalog) the first window's times, as space-separated lists.
declare -A T_MAP T_CPU
T_FIRST=
start_once() {
  wait_mapped "$1" "$2"
  T_MAP[$3]+=" $MAPPED_MS"
  T_CPU[$3]+=" $CPU_MS"
  stop
  sleep 0.1
}
for _ in $(seq "$RUNS"); do
  start_once "$BARE" "Bare Qt window" bare
  start_once "$PROGRAM" "ZorvaneGlobals 3.0 Demos" catalog
  T_FIRST+=" $FIRST_MS"
  for demo in "${DEMOS[@]}"; do
    start_once "$demo" "" "$demo"
  done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
more() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }
within() { awk -v a="$1" -v b="$2" -v r="$3" -v m="$4" -v ma="$5" -v mb="$6" \
  'BEGIN { print (a <= r * b && ma - mb <= m) ? "yes" : "NO" }'; }
row() { printf '%-34s %8s %6s %8s %6s %8s %8s %5s\n' "$@"; }

B_MAPPED=$(median <<<"${T_MAP[bare]}") B_CPU_MS=$(median <<<"${T_CPU[bare]}")
resident "$BARE" "Bare Qt window" bare_mouse
B_RSS=$RSS_MIB B_IDLE=$CPU_PCT
if [[ $IDLE == 1 ]]; then
  resident "$WORK/bare_timer" "Bare Qt window" bare_mouse
  T_IDLE=$CPU_PCT
  "$WAKE_FLOOR" &
  PID=$!
  sleep 1
  idle_cpu "$PID"
  F_IDLE=$CPU_PCT
  kill "$PID"
  wait "$PID" 2>/dev/null || true
  PID=
fi
resident "$PROGRAM" "ZorvaneGlobals 3.0 Demos" shell_mouse
S_RSS=$RSS_MIB S_IDLE=$CPU_PCT S_WAKES=$WAKES

echo "$RUNS interleaved starts each; medians. Goals: start within 1.5x of the bare window, at most 15 MiB more resident memory."
echo "bare window: start to mapped ${B_MAPPED} ms (CPU ${B_CPU_MS} ms), resident ${B_RSS} MiB"
if [[ $IDLE == 1 ]]; then
  echo "CPU idle with the mouse on the bare window ${B_IDLE} %; of a 10 ms timer alone: ${F_IDLE} % for a program that only wakes, ${T_IDLE} % for a bare Qt window with an empty timer"
  echo "catalog: CPU over 10 s with the mouse resting on an item button ${S_IDLE} % (goal below 0.3 %), ${S_WAKES} wake-ups a second"
fi
echo
row "program" "start ms" "ratio" "CPU ms" "ratio" "RSS MiB" "MiB more" "goal"
row "bare Qt window" "$B_MAPPED" "1.00x" "$B_CPU_MS" "1.00x" "$B_RSS" "+0.0" "-"
S_FIRST=$(median <<<"$T_FIRST")
row "ZorvaneGlobals3Demo (splash)" "$S_FIRST" "$(ratio "$S_FIRST" "$B_MAPPED")" "-" "-" "$S_RSS" \
  "$(more "$S_RSS" "$B_RSS")" "$(within "$S_FIRST" "$B_MAPPED" 1.5 15 "$S_RSS" "$B_RSS")"
S_MAPPED=$(median <<<"${T_MAP[catalog]}") S_CPU_MS=$(median <<<"${T_CPU[catalog]}")
row "ZorvaneGlobals3Demo (main window)" "$S_MAPPED" "$(ratio "$S_MAPPED" "$B_MAPPED")" "$S_CPU_MS" \
  "$(ratio "$S_CPU_MS" "$B_CPU_MS")" "$S_RSS" "$(more "$S_RSS" "$B_RSS")" \
  "$(within "$S_MAPPED" "$B_MAPPED" 1.5 15 "$S_RSS" "$B_RSS")"
for demo in "${DEMOS[@]}"; do
  resident "$demo" ""
  mapped=$(median <<<"${T_MAP[$demo]}") cpu=$(median <<<"${T_CPU[$demo]}")
  row "$(basename "$demo")" "$mapped" "$(ratio "$mapped" "$B_MAPPED")" "$cpu" "$(ratio "$cpu" "$B_CPU_MS")" \
    "$RSS_MIB" "$(more "$RSS_MIB" "$B_RSS")" "$(within "$mapped" "$B_MAPPED" 1.5 15 "$RSS_MIB" "$B_RSS")"
done
