# Sourced by the benches that run the programs on an X server of their own.
#
#   build_window_helpers WORK
#
# compiles, once into WORK and again when their sources change, the bare
# window (WORK/bare_window, bench/bare_window.cpp), a script that starts it
# with its 10 ms timer (WORK/bare_timer) and the map timer (WORK/map_timer,
# bench/map_timer.c).
#
#   start_private_display NAME WORK
#
# starts Xvfb (1280 x 1024, 24 bits, no reset between clients) on a display
# number the server picks itself, so that no other X server running on the
# machine is taken for ours, and waits until it answers. It exports DISPLAY,
# QT_QPA_PLATFORM=xcb and an XDG_RUNTIME_DIR below WORK when none is set,
# and sets XVFB to the server's process id and PID (the program being
# measured) to empty. On exit the program in PID and the server are killed.
# NAME starts the error line when the server does not come up.

build_window_helpers() {
  local work=$1
  if [[ ! -x $work/bare_window || bench/bare_window.cpp -nt $work/bare_window ]]; then
    # shellcheck disable=SC2046
    c++ -std=c++17 -O2 -fPIC bench/bare_window.cpp -o "$work/bare_window" $(pkg-config --cflags --libs Qt6Widgets)
  fi
  printf '#!/bin/sh\nexec "%s" timer\n' "$work/bare_window" >"$work/bare_timer"
  chmod +x "$work/bare_timer"
  if [[ ! -x $work/map_timer || bench/map_timer.c -nt $work/map_timer ]]; then
    # shellcheck disable=SC2046
    cc -O2 bench/map_timer.c -o "$work/map_timer" $(pkg-config --cflags --libs x11)
  fi
}

start_private_display() {
  local name=$1 work=$2
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  XVFB=$!
  PID=
  trap private_display_cleanup EXIT
  for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.05; done
  if [[ ! -s $work/display ]]; then
    echo "$name: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
}

private_display_cleanup() {
  [[ -n ${PID:-} ]] && kill "$PID" 2>/dev/null || true
  kill "$XVFB" 2>/dev/null || true
}
