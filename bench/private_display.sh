# Sourced by the benches that run the programs on an X server of their own.
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
