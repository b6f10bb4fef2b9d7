#!/usr/bin/env bash
# Prepares a base Wine prefix once; every case gets a copy of it. Usage:
# prepare-prefix.sh win32|win64 <dest>. A win64 prefix is booted with Wine's
# 64-bit loader, a win32 one with the 32-bit loader (wine-loader.sh). Exits
# 77 (skipped) when the prefix is not needed here: a win32 prefix, or any
# prefix of the 32-bit build (KDR_BUILD_ARCH=x86), where 32-bit programs
# cannot run.
set -euo pipefail
arch=$1
dest=$2
# shellcheck source=wine-loader.sh
. "$(dirname "$0")/wine-loader.sh"
kdr_wine_probe

case $arch in
  win32) boot=x86 ;;
  win64) boot=x64 ;;
  *) echo "prepare-prefix: unknown prefix kind $arch" >&2; exit 2 ;;
esac
if [ "${KDR_BUILD_ARCH:-}" = x86 ] && [ "$KDR_WINE32" != yes ]; then
  echo "SKIPPED: the $arch prefix serves only the 32-bit exe and its 32-bit test programs here," \
    "and 32-bit programs cannot run: $KDR_WINE32_WHY"
  exit 77
fi
if ! kdr_wine_select "$boot" "$arch"; then
  if [ "$boot" = x86 ] && [ "$KDR_WINE32" != yes ]; then
    echo "SKIPPED: a win32 prefix needs Wine's 32-bit loader: $KDR_WINE_WHY"
    exit 77
  fi
  echo "prepare-prefix: cannot boot a $arch prefix: $KDR_WINE_WHY" >&2
  exit 1
fi

mkdir -p "$(dirname "$dest")"
# One preparation at a time, and no copy while it runs: run-case.sh and
# scripts/run copy under a shared lock on the same file.
exec 9>"$dest.lock"
flock -w "$(kdr_seconds 240)" 9 || { echo "prepare-prefix: $dest.lock stayed taken" >&2; exit 1; }
[ -f "$dest/.kdr-ready" ] && exit 0
rm -rf "$dest"
log=$dest.log
export WINEPREFIX=$dest WINEARCH=$arch WINEDEBUG=-all
# No display is needed to boot a prefix; keep wine from looking for one.
unset DISPLAY
# The steps' limits add up to the 300 s (scaled) of the test.
limit=$(kdr_seconds 180)
KDR_WINESERVER_WAIT=$(kdr_seconds 40)
status=0
timeout "$limit" wineboot -i >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "prepare-prefix: wineboot -i for the $arch prefix $dest failed" \
    "($([ "$status" = 124 ] && echo "no end within ${limit}s" || echo "exit $status"));" \
    "its last lines ($log):" >&2
  tail -n 5 "$log" >&2
  wineserver -k >/dev/null 2>&1 || true
  exit 1
fi
wineserver -w
# Without a window manager every hide or destroy costs about 2 s; unmanaged
# windows avoid that. The monitor's Ports key exists on Windows but not in
# Wine.
cat > "$dest/kdr-base.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Print\Monitors\Standard TCP/IP Port\Ports]
REG
timeout "$(kdr_seconds 40)" regedit /S "$dest/kdr-base.reg" >>"$log" 2>&1 ||
  { echo "prepare-prefix: regedit could not import kdr-base.reg into $dest (see $log)" >&2; exit 1; }
wineserver -w
# regedit /S answers 0 even when it read nothing: look.
grep -q 'Standard TCP/IP Port\\\\Ports' "$dest/system.reg" ||
  { echo "prepare-prefix: $dest lacks the TCP/IP monitor's Ports key after the import" >&2; exit 1; }
touch "$dest/.kdr-ready"
echo "prepare-prefix: $arch prefix ready in $dest (booted with $KDR_WINE_LOADER)"
