# shellcheck shell=bash
# Sourced by the scripts that need a display: kdr_start_xvfb starts an Xvfb
# of their own on a display number that Xvfb itself finds free (-displayfd,
# so two callers never pick the same one), waits until it accepts
# connections, exports DISPLAY and leaves its pid in KDR_XVFB_PID. An
# argument, once the first display number to try, is accepted and ignored.
kdr_start_xvfb() {
  local fifo number= limit=${KDR_XVFB_WAIT:-30}
  KDR_XVFB_PID=
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/kdr-xvfb.XXXXXX")
  mkfifo "$fifo" || { echo "Xvfb: cannot make $fifo" >&2; return 1; }
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  KDR_XVFB_PID=$!
  # Xvfb writes the number once it accepts connections; bounded, as Xvfb
  # may fail before opening its end.
  read -r -t "$limit" number < "$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    kill "$KDR_XVFB_PID" 2>/dev/null || true
    KDR_XVFB_PID=
    echo "Xvfb did not start within ${limit}s (is the package xvfb installed? scripts/setup installs it)" >&2
    return 1
  fi
  export DISPLAY=:$number
}
