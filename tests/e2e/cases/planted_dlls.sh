# DLLs planted under the names of those the installer loads at run time
# (winspool.drv, comctl32.dll, setupapi.dll), beside the exe and read-only
# in the package folder, never load, even with Windows' load order forced
# on Wine (native before builtin: by default Wine prefers its own DLLs and
# hides a planted one); and the Ethernet installation still succeeds.
# A control first shows that a program loading winspool.drv by its bare
# name from that folder does get the planted copy.
# prefixes: win32 win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

kdr_install_prepare_prefix
names=(winspool.drv comctl32.dll setupapi.dll)
KDR_PLANTED_LOG=$(winepath -w "$KDR_ARTIFACTS/planted.log" 2>/dev/null)
export KDR_PLANTED_LOG

app=$KDR_ARTIFACTS/app
mkdir -p "$app"
cp "$KDR_BIN/KDR270Setup.exe" "$app/"
for name in "${names[@]}"; do cp "$KDR_BIN/planted.dll" "$app/$name"; done
# shellcheck disable=SC2034  # read by kdr_install_start
kdr_install_exe=$app/KDR270Setup.exe

kdr_plant_in_package_folder "$KDR_BIN/planted.dll" "${names[@]}"
planted=("${KDR_PLANTED[@]}")

export WINEDLLOVERRIDES="winspool.drv,comctl32,setupapi=n,b"

# The control: a bare-name load from the exe's folder takes the planted DLL.
cp "$KDR_BIN/launch_recorder.exe" "$app/probe.exe"
kdr_wine "$app/probe.exe" --load winspool.drv || true
grep -qi 'app\\winspool.drv' "$KDR_ARTIFACTS/planted.log" 2>/dev/null ||
  kdr_fail "the control did not load the planted winspool.drv: $(cat "$KDR_ARTIFACTS/planted.log" 2>/dev/null)"
rm -f "$KDR_ARTIFACTS/planted.log" "$app/probe.exe"
wineserver -w

kdr_install_start en
for f in "${planted[@]}"; do [ -f "$f" ] || kdr_fail "the clearing at start removed $f"; done
kdr_robot wait-dialog click 1009 set-ip 192.168.1.100 > /dev/null
kdr_install_press 1 install.txt closes
kdr_success_box KDR270 'IP_[192.168.1.100]' | kdr_expect_boxes install.txt

unset WINEDLLOVERRIDES
kdr_machine_report report.txt
echo 'printer [KDR270] port [IP_[192.168.1.100]] driver [KDR270]' | kdr_expect_lines report.txt
[ ! -s "$KDR_ARTIFACTS/planted.log" ] ||
  kdr_fail "planted DLLs were loaded: $(tr -d '\r' < "$KDR_ARTIFACTS/planted.log")"
echo "planted_dlls: ${names[*]} planted beside the exe and in the package folder, none loaded"
