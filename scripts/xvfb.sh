# xvfb.sh: sourced by the scripts that need an X display. Starts a virtual
# one (Xvfb) with a small window manager (openbox) unless DISPLAY already
# names a working display. Without a window manager Wine waits two seconds
# for every window it hides, and focus and activation misbehave.

StartVirtualDisplay() {
  if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 110); do
    [[ -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      if xdpyinfo >/dev/null 2>&1; then
        openbox >/dev/null 2>&1 &
        WM_PID=$!
        sleep 0.5
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "xvfb: could not start a virtual display" >&2
  return 1
}

StopVirtualDisplay() {
  if [[ -n ${WM_PID:-} ]]; then
    kill "$WM_PID" 2>/dev/null || true
  fi
  if [[ -n ${XVFB_PID:-} ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
