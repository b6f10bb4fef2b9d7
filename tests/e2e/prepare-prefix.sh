#!/usr/bin/env bash
# Prepares a base Wine prefix once; every case gets a copy of it.
set -euo pipefail
arch=$1
dest=$2
[ -f "$dest/.kdr-ready" ] && exit 0
rm -rf "$dest"
mkdir -p "$(dirname "$dest")"
export WINEPREFIX=$dest WINEARCH=$arch WINEDEBUG=-all
# No display is needed to boot a prefix; keep wine from looking for one.
unset DISPLAY
wineboot -i >/dev/null 2>&1
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
wine regedit /S "$dest/kdr-base.reg" >/dev/null 2>&1
wineserver -w
touch "$dest/.kdr-ready"
