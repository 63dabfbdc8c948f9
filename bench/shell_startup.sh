#!/usr/bin/env bash
# Start-up time, memory and idle CPU of the catalog program and of every
# demo program built under bin/ZGDemos, beside a bare Qt window, measured in
# one run on a private Xvfb screen:
#   - time from start to the window being mapped (bench/map_timer.c watches
#     the server's MapNotify events), the median of RUNS starts (default 9);
#     for the catalog also the time to its first window (the splash),
#   - resident memory 3 s after start,
#   - CPU used by all of the program's threads (the scheduler's own count
#     in /proc/PID/task/*/schedstat) over 10 s of idle with the mouse
#     resting on an item button of the catalog (after choosing "Global
#     Functions") and on the middle of the bare window; beside them the same
#     for a bare window with an empty 10 ms timer and for a program that
#     only wakes every 10 ms (bench/wake_floor.c), the floor for any 10 ms
#     timer on this machine.
# Each program's figures are printed with their ratio to the bare window's.
# Goals: start within 1.5x of the bare window, at most 15 MB more resident
# memory, the catalog's idle hover below 0.3 % of a core.
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

# The bare window: one plain QWidget of the catalog window's size.
BARE=$WORK/bare_window
if [[ ! -x $BARE || ! -x $WORK/bare_timer ]]; then
  cat >"$WORK/bare_window.cpp" <<'EOF'
#include <QApplication>
#include <QTimer>
#include <QWidget>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare Qt window"));
    w.resize(620, 420);
    w.show();
    // With "timer": an empty 10 ms timer, the least a hover test can cost.
    QTimer t;
    if (argc > 1 && QByteArray(argv[1]) == "timer") {
        t.setInterval(10);
        QObject::connect(&t, &QTimer::timeout, [] {});
        t.start();
    }
    return app.exec();
}
EOF
  # shellcheck disable=SC2046
  c++ -std=c++17 -O2 -fPIC "$WORK/bare_window.cpp" -o "$BARE" $(pkg-config --cflags --libs Qt6Widgets)
  printf '#!/bin/sh\nexec "%s" timer\n' "$BARE" >"$WORK/bare_timer"
  chmod +x "$WORK/bare_timer"
fi

BENCH=$(pwd)/bench
MAP_TIMER=$WORK/map_timer
WAKE_FLOOR=$WORK/wake_floor
if [[ ! -x $MAP_TIMER || $BENCH/map_timer.c -nt $MAP_TIMER ]]; then
  # shellcheck disable=SC2046
  cc -O2 "$BENCH/map_timer.c" -o "$MAP_TIMER" $(pkg-config --cflags --libs x11)
fi
if [[ ! -x $WAKE_FLOOR || $BENCH/wake_floor.c -nt $WAKE_FLOOR ]]; then
  cc -O2 "$BENCH/wake_floor.c" -o "$WAKE_FLOOR"
fi

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$WORK/runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The server picks a free display number itself and writes it to the file,
# so that no other X server running on the machine is taken for ours.
rm -f "$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
PID=
cleanup() {
  [[ -n $PID ]] && kill "$PID" 2>/dev/null || true
  kill "$XVFB" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 200); do [[ -s $WORK/display ]] && break; sleep 0.05; done
if [[ ! -s $WORK/display ]]; then
  echo "shell_startup: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=:$(tr -d '[:space:]' <"$WORK/display")
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

now_ms() { date +%s%3N; }
rss_mib() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# Nanoseconds on a CPU so far, summed over the process's threads, and the
# main thread's count of times it was switched in.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
wakes() { awk '{ print $3 }' "/proc/$1/schedstat"; }
RUNS=${RUNS:-9}

# wait_mapped COMMAND TITLE: starts COMMAND, waits until the window named
# TITLE (any window when TITLE is empty) is mapped and fills PID, WIN,
# FIRST_MS (the first window of the program mapped) and MAPPED_MS.
wait_mapped() {
  local line
  if ! line=$("$MAP_TIMER" "$2" "$1" 2>"$WORK/program.log"); then
    cat "$WORK/program.log" >&2
    exit 1
  fi
  read -r FIRST_MS MAPPED_MS PID WIN <<<"$line"
}

stop() {
  kill "$PID" 2>/dev/null || true
  # The program is the timer's child, not ours: wait for it to be gone.
  for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.02; done
  PID=
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# median_start COMMAND TITLE: the medians of RUNS starts (MAPPED_MS, FIRST_MS).
median_start() {
  local mapped=() first=()
  for _ in $(seq "$RUNS"); do
    wait_mapped "$1" "$2"
    mapped+=("$MAPPED_MS")
    first+=("$FIRST_MS")
    stop
    sleep 0.2
  done
  MEDIAN_MAPPED=$(printf '%s\n' "${mapped[@]}" | median)
  MEDIAN_FIRST=$(printf '%s\n' "${first[@]}" | median)
}

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

# measure COMMAND TITLE [MOUSE_SETUP]: fills MAPPED_MS and FIRST_MS
# (medians), RSS_MIB and, with a mouse setup, CPU_PCT and WAKES.
measure() {
  median_start "$1" "$2"
  local start
  start=$(now_ms)
  wait_mapped "$1" "$2"
  sleep "$(awk -v s="$start" -v n="$(now_ms)" 'BEGIN { d = 3 - (n - s) / 1000; print (d > 0 ? d : 0) }')"
  RSS_MIB=$(rss_mib "$PID")
  CPU_PCT=- WAKES=-
  if [[ -n ${3:-} ]]; then
    "$3" "$WIN"
    sleep 1
    idle_cpu "$PID"
  fi
  stop
  MAPPED_MS=$MEDIAN_MAPPED FIRST_MS=$MEDIAN_FIRST
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

measure "$BARE" "Bare Qt window" bare_mouse
B_MAPPED=$MAPPED_MS B_RSS=$RSS_MIB B_CPU=$CPU_PCT
RUNS=1 measure "$WORK/bare_timer" "Bare Qt window" bare_mouse
T_CPU=$CPU_PCT
"$WAKE_FLOOR" &
PID=$!
sleep 1
idle_cpu "$PID"
F_CPU=$CPU_PCT
kill "$PID"
wait "$PID" 2>/dev/null || true
PID=
measure "$PROGRAM" "ZorvaneGlobals 3.0 Demos" shell_mouse
S_MAPPED=$MAPPED_MS S_FIRST=$FIRST_MS S_RSS=$RSS_MIB S_CPU=$CPU_PCT S_WAKES=$WAKES

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
more() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }
row() { printf '%-34s %9s %7s %9s %9s\n' "$@"; }

echo "bare window: start to mapped ${B_MAPPED} ms, resident ${B_RSS} MiB, CPU idle with the mouse on it ${B_CPU} %"
echo "CPU of a 10 ms timer alone: ${F_CPU} % for a program that only wakes, ${T_CPU} % for a bare Qt window with an empty timer"
echo "catalog: CPU over 10 s with the mouse resting on an item button ${S_CPU} % (goal below 0.3 %), ${S_WAKES} wake-ups a second"
echo "catalog: first window (the splash) mapped after ${S_FIRST} ms ($(ratio "$S_FIRST" "$B_MAPPED") of the bare window)"
echo
row "program" "start ms" "ratio" "RSS MiB" "MiB more"
row "bare Qt window" "$B_MAPPED" "1.00x" "$B_RSS" "+0.0"
row "ZorvaneGlobals3Demo (catalog)" "$S_MAPPED" "$(ratio "$S_MAPPED" "$B_MAPPED")" "$S_RSS" "$(more "$S_RSS" "$B_RSS")"
# Every demo program built so far.
DEMO_ROOT=$(dirname "$PROGRAM")/ZGDemos
for demo in "$DEMO_ROOT"/Zorvane*/Zorvane*Demo; do
  [[ -x $demo ]] || continue
  measure "$demo" ""
  row "$(basename "$demo")" "$MAPPED_MS" "$(ratio "$MAPPED_MS" "$B_MAPPED")" "$RSS_MIB" "$(more "$RSS_MIB" "$B_RSS")"
done
