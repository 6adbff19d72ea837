# Sourced: start_virtual_display gives the rest of the script an X display,
# a virtual one when there is none, stopped when the script ends.
start_virtual_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local display
  for display in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
  export DISPLAY=":$display"
  local tries
  for tries in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && return 0
    sleep 0.1
  done
  echo "The virtual display :$display did not start." >&2
  return 1
}
