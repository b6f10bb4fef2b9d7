# Sourced by the scripts that need a display: kdr_start_xvfb [first number]
# starts Xvfb on the first free display from that number on, exports
# DISPLAY, and leaves its pid in KDR_XVFB_PID (empty when none was started).
kdr_start_xvfb() {
  local n
  KDR_XVFB_PID=
  for n in $(seq "${1:-99}" $((${1:-99} + 40))); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    KDR_XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    return 0
  done
  echo "no free X display for Xvfb" >&2
  return 1
}
