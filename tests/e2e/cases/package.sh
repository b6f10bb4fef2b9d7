# The driver package under Wine: while the dialog is open the package folder
# holds the 24 files of the archive of the UI language, byte for byte; the
# wizard button starts rundll32 on the INF of the prefix's architecture;
# after Exit the folder exists and is empty.
# prefixes: win32 win64

# The program in a folder of their own, and a recording rundll32 in place of
# the system folder's (Wine's printui does not implement /ii; native, since
# Wine would run its builtin rundll32 from there).
app=$KDR_ARTIFACTS/app
mkdir -p "$app"
cp "$KDR_BIN/KDR270Setup.exe" "$app/"
system=$(winepath -u "$(kdr_wine "$KDR_BIN/launch_recorder.exe" --system-folder | tr -d '\r')" 2>/dev/null)
cp "$KDR_BIN/launch_recorder.exe" "$system/rundll32.exe"
export WINEDLLOVERRIDES="rundll32.exe=n"
KDR_LAUNCH_LOG=$(winepath -w "$KDR_ARTIFACTS/rundll32.log" 2>/dev/null)
export KDR_LAUNCH_LOG

kdr_lang en
kdr_start "$app/KDR270Setup.exe"
kdr_robot wait-dialog 30 > /dev/null

temp_unix=$(winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null)
folder=$temp_unix/Vey2020
[ -d "$folder" ] || kdr_fail "no package folder at $folder"

# The unpacked files are those of the English archive, byte for byte.
expected=$KDR_BIN/driver/package-138
count=0
for f in "$expected"/*/*; do
  rel=${f#"$expected"/}
  cmp -s "$f" "$folder/$rel" || kdr_fail "unpacked $rel differs from the package"
  count=$((count + 1))
done
[ "$count" -eq 24 ] || kdr_fail "expected 24 packaged files, compared $count"
[ "$(find "$folder" -type f | wc -l)" -eq 24 ] || kdr_fail "the folder holds other files"

case $KDR_ARCH in
  win32) inf='Windows NT x86\NLDRV.INF' ;;
  win64) inf='Windows x64\NLDRVx64.INF' ;;
esac
folder_win=$(winepath -w "$folder" 2>/dev/null)
kdr_robot wait-dialog post-click 1023 > /dev/null
# The recording rundll32 starts after the click has been handled.
for _ in $(seq $((10 * $(kdr_seconds 30)))); do
  grep -Fq 'PrintUIEntry' "$KDR_ARTIFACTS/rundll32.log" 2>/dev/null && break
  sleep 0.1
done
grep -Fq "printui.dll PrintUIEntry /ii /f \"$folder_win\\$inf\"" "$KDR_ARTIFACTS/rundll32.log" ||
  kdr_fail "wizard command line: $(cat "$KDR_ARTIFACTS/rundll32.log" 2>/dev/null)"
kdr_screenshot package-open

kdr_robot wait-dialog post-click 2 wait-gone 20 > /dev/null
kdr_wait_exit "$KDR_PID" 20
[ -d "$folder" ] || kdr_fail "the package folder itself was removed"
[ -z "$(ls -A "$folder")" ] || kdr_fail "the package folder is not empty: $(ls -A "$folder")"
echo "package: 24 files unpacked and compared, wizard started on $inf, folder emptied"
