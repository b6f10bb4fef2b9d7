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

# Presses Exit on the open dialog, waits for the program to end and for the
# wine server to go, so the next program starts on a fresh server (with its
# own language).
kdr_exit_and_wait() {
  kdr_robot wait-dialog post-click 2 wait-gone 20
  kdr_wait_exit "$KDR_PID" 20
  wineserver -w
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

# Fails the case unless dump file $1 shows the connection controls as a
# refresh leaves them for connection type $2 (usb, serial, parallel or
# ethernet) when ports were found ($3 = 1) or none were ($3 = 0): the radio,
# Install (1), the list (1010, item 1 selected or empty), the IP address
# control (1011) and its label (1012), the notice (1014), the hint (1015)
# and the baud-rate group (1028, 1024-1027).
kdr_expect_connection() {
  local file=$1 type=$2 found=$3 radio id
  local list=0 notice=0 ip=0 baud=0 install=1
  case $type in
    usb) radio=1006 ;;
    serial) radio=1007 ;;
    parallel) radio=1008 ;;
    ethernet) radio=1009 ;;
    *) kdr_fail "unknown connection type $type" ;;
  esac
  if [ "$type" = ethernet ]; then
    ip=1
  elif [ "$found" = 1 ]; then
    list=1
    if [ "$type" = serial ]; then baud=1; fi
  else
    notice=1
    install=0
  fi
  {
    for id in 1006 1007 1008 1009; do
      if [ "$id" = "$radio" ]; then echo "checked $id 1"; else echo "checked $id 0"; fi
    done
    echo "enabled 1 $install"
    echo "visible 1010 $list"
    if [ "$list" = 1 ]; then echo "selected 1010 1"; else echo "items 1010 0"; fi
    echo "visible 1011 1"
    echo "enabled 1011 $ip"
    echo "visible 1012 $ip"
    echo "visible 1014 $notice"
    echo "visible 1015 0"
    for id in 1028 1024 1025 1026 1027; do echo "visible $id $baud"; done
  } | kdr_expect_lines "$file"
}

# The items of list $2 in dump file $1, one a line, without the prompt
# (item 0).
kdr_list_ports() {
  sed -n "s/^item $2 \([1-9][0-9]*\) \[\(.*\)\]\$/\2/p" "$1"
}
