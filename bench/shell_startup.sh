#!/usr/bin/env bash
# Start-up time, memory and idle CPU of the catalog program and of every
# demo program built under bin/ZGDemos, beside a bare Qt window, measured in
# one run on a private Xvfb screen:
#   - time from start to the window being mapped (visible), the median of
#     RUNS starts (default 5),
#   - resident memory 3 s after start,
#   - CPU used over 10 s of idle with the mouse resting on an item button of
#     the catalog (after choosing "Global Functions") and on the middle of the
#     bare window.
# Each program's figures are printed with their ratio to the bare window's.
# Goals: start within 1.5x of the bare window, at most 15 MB more resident
# memory, the catalog's idle hover below 0.3 % of a core.
#
#   bench/shell_startup.sh [PROGRAM]      (default: build/bin/ZorvaneGlobals3Demo)
#
# Needs Xvfb, xdotool and a C++ compiler with the Qt 6 development files
# (the bare window is compiled once into $TMPDIR).
set -euo pipefail
cd "$(dirname "$0")/.."

PROGRAM=${1:-build/bin/ZorvaneGlobals3Demo}
if [[ ! -x $PROGRAM ]]; then
  echo "shell_startup: $PROGRAM is not built (run scripts/run or cmake --build build)" >&2
  exit 1
fi
for tool in Xvfb xdotool c++ pkg-config; do
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
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
TICKS=$(getconf CLK_TCK)
RUNS=${RUNS:-5}

# wait_mapped COMMAND TITLE: starts COMMAND, waits until its window is
# mapped (the window named TITLE, or any window of the process when TITLE is
# empty) and fills PID, WIN, MAPPED_MS and START_MS.
wait_mapped() {
  local title=$2
  START_MS=$(now_ms)
  "$1" >"$WORK/program.log" 2>&1 &
  PID=$!
  WIN=
  while [[ -z $WIN ]]; do
    if [[ -n $title ]]; then
      WIN=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
    else
      WIN=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | head -1 || true)
    fi
    if ! kill -0 "$PID" 2>/dev/null; then
      echo "shell_startup: $1 ended before showing its window:" >&2
      cat "$WORK/program.log" >&2
      exit 1
    fi
    if (($(now_ms) - START_MS > 30000)); then
      echo "shell_startup: no window of $1 after 30 s" >&2
      exit 1
    fi
  done
  MAPPED_MS=$(($(now_ms) - START_MS))
}

stop() {
  kill "$PID" 2>/dev/null || true
  wait "$PID" 2>/dev/null || true
  PID=
}

# median_start COMMAND TITLE: the median start-to-mapped time of RUNS starts.
median_start() {
  local times=()
  for _ in $(seq "$RUNS"); do
    wait_mapped "$1" "$2"
    times+=("$MAPPED_MS")
    stop
    sleep 0.2
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

# measure COMMAND TITLE [MOUSE_SETUP]: fills MAPPED_MS (median), RSS_MIB and,
# with a mouse setup, CPU_PCT.
measure() {
  local median
  median=$(median_start "$1" "$2")
  wait_mapped "$1" "$2"
  sleep "$(awk -v s="$START_MS" -v n="$(now_ms)" 'BEGIN { d = 3 - (n - s) / 1000; print (d > 0 ? d : 0) }')"
  RSS_MIB=$(rss_mib "$PID")
  CPU_PCT=-
  if [[ -n ${3:-} ]]; then
    "$3" "$WIN"
    sleep 1
    local t0 t1
    t0=$(cpu_ticks "$PID")
    sleep 10
    t1=$(cpu_ticks "$PID")
    CPU_PCT=$(awk -v d=$((t1 - t0)) -v hz="$TICKS" 'BEGIN { printf "%.2f", 100 * d / hz / 10 }')
  fi
  stop
  MAPPED_MS=$median
}

# The window's client origin on the screen (no window manager: no frame).
origin() { xdotool getwindowgeometry "$1" | awk '/Position:/ { split($2, p, ","); print p[1], p[2] }'; }

# The catalog: choose "Global Functions" in the list bar, then rest on the
# first item button (the grid starts at 117 + 2 + 4, 47 + 2 + 78).
shell_mouse() {
  read -r x y < <(origin "$1")
  xdotool mousemove $((x + 56)) $((y + 85)) click 1
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
measure "$PROGRAM" "ZorvaneGlobals 3.0 Demos" shell_mouse
S_MAPPED=$MAPPED_MS S_RSS=$RSS_MIB S_CPU=$CPU_PCT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
more() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }
row() { printf '%-34s %9s %7s %9s %9s\n' "$@"; }

echo "bare window: start to mapped ${B_MAPPED} ms, resident ${B_RSS} MiB, CPU idle with the mouse on it ${B_CPU} %"
echo "bare window with an empty 10 ms timer: CPU ${T_CPU} % (what the hover test's tick alone costs here)"
echo "catalog: CPU over 10 s with the mouse resting on an item button ${S_CPU} % (goal below 0.3 %)"
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
echo
echo "goals: start ratio at most 1.50x, at most 15 MiB more resident memory"
