# Sourced by the scripts that start servers of their own (desktop-tier,
# screenshot). Each one started with
#
#   some-server ... &
#   children+=($!)
#
# is a child of the script. stop_children signals each, the last started
# first, only while it still runs as a child of this script (so an ended
# one's process id, given to another process meanwhile, is never
# signalled), kills it if it has not ended within 2.5 s, and reaps it.

children=()

child_running() { jobs -rp | grep -qx "$1"; }

stop_children() {
  local p i
  for ((i = ${#children[@]} - 1; i >= 0; i--)); do
    p=${children[i]}
    if child_running "$p"; then kill "$p" 2>/dev/null || true; fi
    for _ in $(seq 50); do child_running "$p" || break; sleep 0.05; done
    if child_running "$p"; then kill -9 "$p" 2>/dev/null || true; fi
    wait "$p" 2>/dev/null || true
  done
}
