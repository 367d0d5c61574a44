# Sourced: a private X server for running the program where there is no display.

# Starts Xvfb on the first free display from :90 and exports DISPLAY.
quillmar_start_xvfb() {
  local n
  for n in $(seq 90 119); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      QUILLMAR_XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
      done
      echo "Xvfb :$n did not start." >&2
      return 1
    fi
  done
  echo "No free X display between :90 and :119." >&2
  return 1
}

quillmar_stop_xvfb() {
  if [ -n "${QUILLMAR_XVFB_PID:-}" ]; then
    kill "$QUILLMAR_XVFB_PID" 2>/dev/null || true
    wait "$QUILLMAR_XVFB_PID" 2>/dev/null || true
  fi
}

# Waits up to $2 seconds for a visible window whose name matches $1; prints its id.
quillmar_wait_window() {
  local i id
  for i in $(seq $(($2 * 4))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.25
  done
  return 1
}

# Without a window manager, Wine draws the title bars itself only for windows it does not
# hand to one: N there, Y where a desktop manages the windows.
quillmar_wine_managed() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 || true
}
