#!/usr/bin/env bash
# Runs one end-to-end case in a fresh copy of the base prefix for its
# architecture, on a display of its own; the copy is deleted when the case
# ends, whatever its outcome. Usage:
#   run-case.sh <case file> win32|win64 <e2e root> <build dir> <source dir>
# Exits 77 (skipped, with the reason) when the build's programs cannot run
# on this machine (wine-loader.sh).
set -euo pipefail
case_file=$(realpath "$1")
arch=$2
e2e_root=$(realpath -m "$3")
KDR_BIN=$(realpath "$4")
KDR_SOURCE=$(realpath "$5")
export KDR_BIN KDR_SOURCE
name=$(basename "$case_file" .sh)

# shellcheck source=wine-loader.sh
. "$(dirname "$0")/wine-loader.sh"
kdr_wine_probe
if [ -z "${KDR_BUILD_ARCH:-}" ]; then
  KDR_BUILD_ARCH=$(kdr_pe_arch "$KDR_BIN/KDR270Setup.exe") ||
    { echo "FAIL: $KDR_BIN/KDR270Setup.exe is no x86 or x64 program" >&2; exit 1; }
fi
export KDR_BUILD_ARCH
if ! kdr_wine_select "$KDR_BUILD_ARCH" "$arch"; then
  if [ "$KDR_BUILD_ARCH" = x86 ] && [ "$KDR_WINE32" != yes ]; then
    echo "SKIPPED: $name ($arch) runs the 32-bit KDR270Setup.exe and 32-bit test programs," \
      "and 32-bit programs cannot run here: $KDR_WINE32_WHY"
    exit 77
  fi
  echo "FAIL: $name ($arch) cannot run: $KDR_WINE_WHY" >&2
  exit 1
fi

base=$e2e_root/base-$arch
export WINEPREFIX=$e2e_root/run/$name-$arch
export WINEARCH=$arch
export WINEDEBUG=${WINEDEBUG:--all}
export KDR_ARCH=$arch
export KDR_ARTIFACTS=$e2e_root/artifacts/$name-$arch
rm -rf "$WINEPREFIX" "$KDR_ARTIFACTS"
mkdir -p "$(dirname "$WINEPREFIX")" "$KDR_ARTIFACTS"

xvfb_pid='' watchdog=''
cleanup() {
  [ -n "$watchdog" ] && kill "$watchdog" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

# A copy only of a finished base: prepare-prefix.sh holds this lock
# exclusively while it prepares.
exec 9<>"$base.lock"
flock -s -w "$(kdr_seconds 240)" 9 || { echo "FAIL: $base is being prepared for too long" >&2; exit 1; }
[ -f "$base/.kdr-ready" ] || { echo "FAIL: base prefix $base is not prepared" >&2; exit 1; }
cp -a "$base" "$WINEPREFIX"
exec 9>&-

# The case's own display, never one another case shares.
. "$KDR_SOURCE/scripts/xvfb.sh"
KDR_XVFB_WAIT=$(kdr_seconds 30) kdr_start_xvfb || exit 1
xvfb_pid=$KDR_XVFB_PID

# The whole case has a limit below CTest's (KDR_CASE_LIMIT, scaled), so that
# the prefix copy is still deleted when it runs out.
limit=$(kdr_seconds "${KDR_CASE_LIMIT:-300}")
case_shell=$$
(
  trap 'kill "$timer" 2>/dev/null; exit 0' TERM
  sleep "$limit" &
  timer=$!
  wait "$timer"
  echo "FAIL: $name ($arch) did not end within ${limit}s" >&2
  kill -TERM "$case_shell"
  # The shell takes the signal once its foreground program ends: end the
  # prefix's programs.
  wineserver -k >/dev/null 2>&1
) &
watchdog=$!
trap 'exit 1' TERM

# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
cd "$KDR_ARTIFACTS"
echo "$name: the $KDR_BUILD_ARCH build in a $arch prefix, display $DISPLAY"
# shellcheck disable=SC1090
. "$case_file"
