# Programs planted where the elevated installer must not look never run: a
# net.exe, net.com and rundll32.exe beside the exe, and the same three
# planted in the package folder, read-only so that the clearing at start
# keeps them. Not at start, not from the wizard link, not on an Ethernet
# install: every launch is the system folder's own program.
#
# Stand-ins that record their own path and command line take the place of
# the system folder's net.exe and rundll32.exe in this case's prefix. Wine
# runs its builtin programs there unless told to take the native file
# (net.exe,rundll32.exe=n). So the case also sees the arguments: "net stop
# spooler /y" reaches net. Wine's own net answers "stop spooler /y" with its
# syntax text and stops nothing, where Windows' net takes /y as the answer
# to its question about dependent services; install_network runs Wine's net.
# prefixes: win32 win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

kdr_install_prepare_prefix
recorder=$KDR_BIN/launch_recorder.exe
system_win=$(kdr_wine "$recorder" --system-folder | tr -d '\r')
system=$(winepath -u "$system_win" 2>/dev/null)
[ -f "$system/net.exe" ] && [ -f "$system/rundll32.exe" ] ||
  kdr_fail "no net.exe and rundll32.exe in $system"
cp "$recorder" "$system/net.exe"
cp "$recorder" "$system/rundll32.exe"
export WINEDLLOVERRIDES="net.exe,rundll32.exe=n"
KDR_LAUNCH_LOG=$(winepath -w "$KDR_ARTIFACTS/launches.log" 2>/dev/null)
export KDR_LAUNCH_LOG

# Beside the exe: the folder it was started from.
app=$KDR_ARTIFACTS/app
mkdir -p "$app"
cp "$KDR_BIN/KDR270Setup.exe" "$app/"
for name in net.exe net.com rundll32.exe; do cp "$recorder" "$app/$name"; done
# shellcheck disable=SC2034  # read by kdr_install_start
kdr_install_exe=$app/KDR270Setup.exe

kdr_plant_in_package_folder "$recorder" net.exe net.com rundll32.exe
planted=("${KDR_PLANTED[@]}")
folder=$(kdr_package_folder)

launches() { tr -d '\r' < "$KDR_ARTIFACTS/launches.log" 2>/dev/null | grep -c . || true; }
wait_for_launches() {
  local _
  for _ in $(seq 100); do [ "$(launches)" -ge "$1" ] && return 0; sleep 0.1; done
  kdr_fail "expected $1 launches, saw: $(cat "$KDR_ARTIFACTS/launches.log" 2>/dev/null)"
}

kdr_install_start en
for f in "${planted[@]}"; do [ -f "$f" ] || kdr_fail "the clearing at start removed $f"; done
wait_for_launches 1
kdr_robot wait-dialog post-click 1023 sleep 500 > /dev/null
wait_for_launches 2
kdr_robot wait-dialog click 1009 set-ip 192.168.1.100 > /dev/null
kdr_install_press 1 install.txt closes
kdr_success_box KDR270 'IP_[192.168.1.100]' | kdr_expect_boxes install.txt

case $KDR_ARCH in
  win32) inf='Windows NT x86\NLDRV.INF' ;;
  win64) inf='Windows x64\NLDRVx64.INF' ;;
esac
folder_win=$(winepath -w "$folder" 2>/dev/null)
expected=(
  "net.exe|start spooler"
  "rundll32.exe|printui.dll PrintUIEntry /ii /f \"$folder_win\\$inf\""
  "net.exe|stop spooler /y"
  "net.exe|start spooler"
)
mapfile -t lines < <(tr -d '\r' < "$KDR_ARTIFACTS/launches.log")
[ "${#lines[@]}" -eq "${#expected[@]}" ] ||
  kdr_fail "expected ${#expected[@]} launches, saw: $(printf '\n%s' "${lines[@]}")"
lower() { printf '%s' "$1" | tr '[:upper:]' '[:lower:]'; }
for i in "${!expected[@]}"; do
  name=${expected[$i]%%|*}
  parameters=${expected[$i]#*|}
  module=$(lower "${lines[$i]%%|*}")
  command=${lines[$i]#*|}
  # A 32-bit process on 64-bit Windows names System32, which is SysWOW64.
  [ "$module" = "$(lower "C:\\windows\\system32\\$name")" ] ||
    [ "$module" = "$(lower "$system_win\\$name")" ] ||
    kdr_fail "launch $i ran ${lines[$i]%%|*}, not the system folder's $name"
  [[ $command == *" $parameters" ]] || kdr_fail "launch $i: command line [$command], expected [$parameters]"
done
for f in "${planted[@]}"; do [ -f "$f" ] || kdr_fail "$f went away"; done
echo "planted_programs: ${#lines[@]} launches, all from $system_win; nothing planted ran"
