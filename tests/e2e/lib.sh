# Helpers for end-to-end cases. Sourced by run-case.sh; every function works
# on the case's own prefix ($WINEPREFIX).
#
# A case is a shell file in cases/, sourced by run-case.sh in the case's
# artifacts folder. Its "# prefixes:" line names the prefixes it runs in
# (win32, win64; win32 when it has none). The 32-bit build registers it for
# each of them; the 64-bit build (windows-x64 preset) runs its programs in a
# win64 prefix only, so there a case runs once, in win64, whatever its line
# says. A line "# not in the 64-bit build: <reason>" keeps it out of that
# build, and CMake prints the reason. "# time limit: <seconds>" raises the
# case's limit from 300 s (both scaled by KDR_TIME_SCALE). A case sees:
#   KDR_BIN         the build folder (KDR270Setup.exe, robot.exe, ...)
#   KDR_SOURCE      the source tree
#   KDR_ARTIFACTS   its artifacts folder, also the current directory
#   KDR_ARCH        the prefix: win32 or win64
#   KDR_BUILD_ARCH  the build's programs: x86 (the shipping exe) or x64
#                   (the 64-bit test build, which takes the x64 paths:
#                   DetectPlatform "x64", InstallX64, the x64 INF)
#   DISPLAY         an Xvfb of its own
#   KDR_TIME_SCALE  the factor of every limit (kdr_seconds); set it above 1
#                   on a slow or loaded machine
# wine, wineboot, winecfg, winepath, regedit and wineserver go through the
# loader that wine-loader.sh chose for the build and the prefix; call them
# by these names. "wineserver -w" is bounded.

# Runs a program under Wine and waits for it, with a time limit of
# KDR_TIMEOUT seconds (60), scaled.
kdr_wine() {
  local exe=$1
  shift
  timeout "$(kdr_seconds "${KDR_TIMEOUT:-60}")" wine "$exe" "$@"
}

# Starts a program under Wine in the background; its pid is in KDR_PID.
kdr_start() {
  local exe=$1
  shift
  wine "$exe" "$@" &
  KDR_PID=$!
}

# Waits for a background program to end; fails when it does not within $2
# seconds (30), scaled.
kdr_wait_exit() {
  local pid=$1 seconds
  seconds=$(kdr_seconds "${2:-30}")
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
  kdr_wine winecfg -v "$v" >/dev/null 2>&1
  wineserver -w
}

# Imports a .reg file into the prefix.
kdr_reg_import() {
  kdr_wine regedit /S "$1" >/dev/null 2>&1
}

# Prints one registry value (wine reg query output).
kdr_reg_query() {
  kdr_wine reg query "$@" 2>/dev/null | tr -d '\r'
}

# Saves a screenshot of the case's own display into the artifacts folder.
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
# lines go to stdout. The waits of its commands (wait-dialog, msgbox,
# wait-msgbox, wait-gone, wait-file: seconds, 30 when not given) are scaled
# here; the robot scales its own short limits by KDR_TIME_SCALE. Its limit
# as a whole is the sum of its waits and pauses, plus its start.
kdr_robot() {
  local args=() cmd n margin total
  margin=$(kdr_seconds 5)
  total=$(kdr_seconds 30)
  while [ $# -gt 0 ]; do
    cmd=$1
    shift
    args+=("$cmd")
    case $cmd in
      wait-dialog | msgbox | wait-msgbox | wait-gone | wait-file)
        if [ "$cmd" = wait-file ] && [ $# -gt 0 ]; then
          args+=("$1")
          shift
        fi
        n=30
        if [ $# -gt 0 ] && [[ $1 =~ ^[1-9][0-9]*$ ]]; then
          n=$1
          shift
        fi
        n=$(kdr_seconds "$n")
        args+=("$n")
        # and the robot's own limit after it (a message box closing)
        total=$((total + n + margin))
        ;;
      sleep)
        if [ $# -gt 0 ]; then
          total=$((total + $1 / 1000 + 1))
          args+=("$1")
          shift
        fi
        ;;
      *) total=$((total + margin)) ;;
    esac
  done
  timeout "$total" wine "$KDR_BIN/robot.exe" "${args[@]}"
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
