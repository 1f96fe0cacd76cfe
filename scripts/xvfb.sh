# xvfb.sh: sourced by the scripts that need an X display. Starts a virtual
# one (Xvfb) unless DISPLAY already names a working display.

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
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "xvfb: could not start a virtual display" >&2
  return 1
}

StopVirtualDisplay() {
  if [[ -n ${XVFB_PID:-} ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
