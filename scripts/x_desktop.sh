# A throw-away X desktop (Xvfb with openbox) for scripts that show the real window; source it.
#   start_x_desktop SCREEN [XVFB_ARGS...]   e.g. start_x_desktop 760x480x24
# Every process it starts, and any the caller appends to `pids`, ends when the caller exits.

pids=()
scratch=$(mktemp -d)
stop_x_desktop() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap stop_x_desktop EXIT

# Waits up to ten seconds for a command to succeed.
wait_for() {
  for _ in $(seq 200); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.05
  done
  echo "$(basename "$0"): timed out waiting for: $*" >&2
  return 1
}

start_x_desktop() {
  local screen=$1
  shift
  Xvfb -displayfd 3 -screen 0 "$screen" "$@" -nolisten tcp -noreset 3>"$scratch/display" \
    >/dev/null 2>&1 &
  pids+=($!)
  wait_for test -s "$scratch/display"
  export DISPLAY=":$(cat "$scratch/display")"
  # Run from a Wayland desktop, the programs started here still go to this X server.
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
  # No session bus: a client would otherwise autolaunch a bus daemon that outlives the script.
  export DBUS_SESSION_BUS_ADDRESS=disabled:
  export XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache

  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}
