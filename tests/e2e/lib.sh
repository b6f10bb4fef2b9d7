# Helpers for end-to-end cases. Sourced by run-case.sh; every function works
# on the case's own prefix ($WINEPREFIX).

# Runs a program under Wine and waits for it, with a time limit.
kdr_wine() {
  local exe=$1
  shift
  timeout "${KDR_TIMEOUT:-60}" wine "$exe" "$@"
}

# Starts a program under Wine in the background; its pid is in KDR_PID.
kdr_start() {
  local exe=$1
  shift
  wine "$exe" "$@" &
  KDR_PID=$!
}

# Waits for a background program to end; fails when it does not in time.
kdr_wait_exit() {
  local pid=$1 seconds=${2:-30}
  local i
  for i in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    sleep 0.1
  done
  echo "process $pid did not end within ${seconds}s" >&2
  return 1
}

# The language the programs see: zh gives UI language 2052 and code page 936.
kdr_lang() {
  case $1 in
    zh) export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 ;;
    en) export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 ;;
    *) echo "unknown language $1" >&2; return 1 ;;
  esac
}

# The Windows version the prefix reports: winxp (winxp64 in a win64 prefix)
# or win10.
kdr_winver() {
  local v=$1
  if [ "$v" = winxp ] && [ "$KDR_ARCH" = win64 ]; then v=winxp64; fi
  wine winecfg -v "$v" >/dev/null 2>&1
  wineserver -w
}

# Imports a .reg file into the prefix.
kdr_reg_import() {
  wine regedit /S "$1" >/dev/null 2>&1
}

# Prints one registry value (wine reg query output).
kdr_reg_query() {
  wine reg query "$@" 2>/dev/null | tr -d '\r'
}

# Saves a screenshot of the whole screen into the artifacts folder.
kdr_screenshot() {
  import -window root "$KDR_ARTIFACTS/$1.png"
}

# Restarts the wine server so that registry-backed devices are re-read.
kdr_server_restart() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# Fails the case with a message.
kdr_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the robot (tests/e2e/programs/robot.cpp) with its commands; its
# lines go to stdout.
kdr_robot() {
  kdr_wine "$KDR_BIN/robot.exe" "$@"
}

# Fails the case unless every non-empty line on stdin appears, whole, as a
# line of file $1. Reports every line that is missing.
kdr_expect_lines() {
  local file=$1 line missing=0
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    if ! grep -Fxq -- "$line" "$file"; then
      echo "missing in $file: $line" >&2
      missing=1
    fi
  done
  [ "$missing" -eq 0 ] || kdr_fail "$file lacks the lines above"
}
