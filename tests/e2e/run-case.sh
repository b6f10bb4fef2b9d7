#!/usr/bin/env bash
# Runs one end-to-end case in a fresh copy of the base prefix for its
# architecture; the copy is deleted when the case ends, whatever its outcome.
set -euo pipefail
case_file=$1
arch=$2
e2e_root=$3
export KDR_BIN=$4
export KDR_SOURCE=$5
name=$(basename "$case_file" .sh)

base=$e2e_root/base-$arch
[ -f "$base/.kdr-ready" ] || { echo "base prefix $base is not prepared" >&2; exit 1; }

export WINEPREFIX=$e2e_root/run/$name-$arch
export WINEARCH=$arch
export WINEDEBUG=${WINEDEBUG:--all}
export KDR_ARCH=$arch
export KDR_ARTIFACTS=$e2e_root/artifacts/$name-$arch
rm -rf "$WINEPREFIX" "$KDR_ARTIFACTS"
mkdir -p "$(dirname "$WINEPREFIX")" "$KDR_ARTIFACTS"
cp -a "$base" "$WINEPREFIX"

xvfb_pid=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  . "$KDR_SOURCE/scripts/xvfb.sh"
  kdr_start_xvfb 90
  xvfb_pid=$KDR_XVFB_PID
fi

# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
cd "$KDR_ARTIFACTS"
# shellcheck disable=SC1090
. "$case_file"
