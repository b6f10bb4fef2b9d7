# Sourced by the Wine benchmarks, after they set root, work and out: every
# measurement runs in $work/run, a fresh copy of a prepared prefix, and
# leaves its files in $out.

# Stops the copy's wineserver and deletes the copy.
kdr_bench_drop_run() {
  [ -d "$work/run" ] || return 0
  WINEPREFIX=$work/run wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$work/run wineserver -w >/dev/null 2>&1 || true
  rm -rf "$work/run"
}

# kdr_bench_start <1 keeps $out> <first X display number>: the clean-up at
# exit, and Xvfb when there is no display.
kdr_bench_start() {
  kdr_bench_keep=$1
  kdr_bench_xvfb=
  trap kdr_bench_end EXIT
  if [ -z "${DISPLAY:-}" ]; then
    . "$root/scripts/xvfb.sh"
    kdr_start_xvfb "$2"
    kdr_bench_xvfb=$KDR_XVFB_PID
  fi
}

kdr_bench_end() {
  kdr_bench_drop_run
  if [ -n "$kdr_bench_xvfb" ]; then kill "$kdr_bench_xvfb" 2>/dev/null || true; fi
  [ "$kdr_bench_keep" = 1 ] || rm -rf "$out"
}

# A Unix path as Wine's Z: path.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
