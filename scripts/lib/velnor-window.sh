# Sourced: finding, photographing and closing Velnor's main window on the
# current X display.

# Prints the X id of the window captioned "Velnor" once it is shown.
wait_for_velnor_window() {
  local tries id
  for tries in $(seq 300); do
    id=$(xdotool search --onlyvisible --name '^Velnor$' 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      sleep 1 # let it finish painting
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "Velnor's window did not appear." >&2
  return 1
}

# Saves the window, and a few pixels around it, as a PNG.
save_window_screenshot() {
  local id=$1 out=$2 X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$id")"
  mkdir -p "$(dirname "$out")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
}

# Closes the window as its close box does: the system command SC_CLOSE.
close_velnor_window() {
  local id=$1
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key --window "$id" alt+F4
}
