# shellcheck shell=bash
# Helpers for the installation cases (cases/install*.sh), sourced by them
# after lib.sh: running KDR270Setup.exe through one installation with the
# robot, the Wine workarounds that installation needs, and what the machine
# holds afterwards.

kdr_install_exe=$KDR_BIN/KDR270Setup.exe
kdr_tcpip_ports='HKLM\SYSTEM\CurrentControlSet\Control\Print\Monitors\Standard TCP/IP Port\Ports'
kdr_serial_settings='HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports'

# The package folder (<temp>\Vey2020) as a Unix path.
kdr_package_folder() {
  local temp
  temp=$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
  echo "$(winepath -u "$temp" 2>/dev/null)/Vey2020"
}

# Wine workaround, before the 32-bit installer runs in a win64 prefix: the
# 32-bit AddPrinterA of Wine looks for the driver in "Windows NT x86" only
# (error 87 when it is registered for "Windows x64" alone, where 64-bit
# Windows takes the x64 driver). So the same driver is registered for
# "Windows NT x86" first, from the package's own files. The 64-bit build's
# AddPrinterA finds the x64 driver itself.
kdr_install_prepare_prefix() {
  [ "$KDR_ARCH" = win64 ] && [ "$KDR_BUILD_ARCH" = x86 ] || return 0
  local files=$KDR_ARTIFACTS/x86-driver
  rm -rf "$files" && mkdir -p "$files"
  cp "$KDR_BIN/driver/package-138/Windows NT x86/"* "$files/"
  kdr_wine "$KDR_BIN/register_x86_driver.exe" "$(winepath -w "$files" 2>/dev/null)" \
    | tr -d '\r' > register-x86-driver.txt
  grep -qx registered register-x86-driver.txt ||
    kdr_fail "the x86 driver workaround failed: $(cat register-x86-driver.txt)"
}

# Starts the installer in language $1 and waits for its dialog. The robot's
# commands that follow choose the connection; then kdr_install_press. With a
# file name as $2 the run's spooler calls are traced into it (the test page).
kdr_install_start() {
  kdr_lang "$1"
  if [ -n "${2:-}" ]; then
    WINEDEBUG=+winspool kdr_start "$kdr_install_exe" 2> "$2"
  else
    kdr_start "$kdr_install_exe"
  fi
  kdr_robot wait-dialog 30 > /dev/null
}

# Presses Install and reads the $1 message boxes that follow into file $2
# (their robot lines); with "closes" as $3 waits for the program to end.
kdr_install_press() {
  local boxes=$1 out=$2 ending=${3:-}
  local commands=(wait-dialog post-click 1) _
  for _ in $(seq "$boxes"); do commands+=(msgbox 90); done
  [ "$ending" = closes ] && commands+=(wait-gone 30)
  kdr_robot "${commands[@]}" > "$out" || kdr_fail "the robot could not finish: $(cat "$out")"
  if [ "$ending" = closes ]; then
    kdr_wait_exit "$KDR_PID" 30
    wineserver -w
  fi
}

# Ends a dialog that stayed open with Exit.
kdr_install_exit() {
  kdr_robot wait-dialog post-click 2 wait-gone 20 > /dev/null
  kdr_wait_exit "$KDR_PID" 20
  wineserver -w
}

# The robot's lines for the success message naming printer $1 and port $2,
# in the language of $LANG.
kdr_success_box() {
  echo "msgbox-title [ORVANT KDR270 POS Printer Driver Setup]"
  case ${LANG%%.*} in
    zh_CN)
      echo "msgbox-text [打印机驱动已经成功的安装在您的电脑上 !\\r\\n打印机名称 : $1\\r\\n打印机端口 : $2\\r\\n]" ;;
    *)
      echo "msgbox-text [The printer driver has been successfully installed on your computer!\\r\\nPrinter name : $1\\r\\nPrinter port : $2\\r\\n]" ;;
  esac
}

# Fails unless robot output $1 holds exactly the message boxes of stdin (the
# robot's msgbox lines, in order).
kdr_expect_boxes() {
  local expected
  expected=$(cat)
  [ "$(grep '^msgbox-' "$1")" = "$expected" ] ||
    kdr_fail "message boxes differ:$(printf '\n--- expected\n%s\n--- shown\n%s' "$expected" "$(grep '^msgbox-' "$1")")"
}

# Fails unless spooler trace $1 shows one document, named $2, started and
# ended on the printer: the test page.
kdr_expect_test_page() {
  [ "$(grep -c 'winspool:StartDocPrinterW' "$1")" -eq 1 ] &&
    grep -q "winspool:StartDocPrinterW (.*{L\"$2\"," "$1" &&
    grep -q 'winspool:EndDocPrinter' "$1" ||
    kdr_fail "no test page on $2: $(grep -E 'DocPrinter' "$1")"
}

# Fails when spooler trace $1 shows any document.
kdr_expect_no_test_page() {
  ! grep -q 'winspool:StartDocPrinterW' "$1" || kdr_fail "a page was printed: $(grep DocPrinter "$1")"
}

# What the prefix's spooler holds (machine_report.exe), into file $1.
kdr_machine_report() {
  kdr_wine "$KDR_BIN/machine_report.exe" > "$1" || kdr_fail "machine_report failed"
}

# The driver of environment $2 ("Windows NT x86" or "Windows x64") in report
# $1: KDR270, version 3, with its eight files where the spooler keeps them.
# The 64-bit build needs no x86 driver workaround, so there InstallX64 is
# seen to register the x64 driver alone.
kdr_expect_driver() {
  local report=$1 env=$2 file
  if [ "$KDR_BUILD_ARCH" = x64 ] && grep -q '^driver \[KDR270\] env \[Windows NT x86\]' "$report"; then
    kdr_fail "$report: an x86 driver beside the x64 one of InstallX64"
  fi
  {
    echo "driver [KDR270] env [$env] version 3 data [KDR270.GPD]"
    for file in uniDRV.DLL KDR270.GPD uniDRVUI.DLL uniDRV.HLP TTFSUB.GPD STDNAMES.GPD UNIRES.DLL \
      KDR270.DLL; do
      echo "driver-file [KDR270] env [$env] [$file] present"
    done
  } | kdr_expect_lines "$report"
}

# The driver environment the installer uses in this prefix.
kdr_driver_environment() {
  case $KDR_ARCH in
    win32) echo "Windows NT x86" ;;
    win64) echo "Windows x64" ;;
  esac
}

# Fails unless printer $1 (an ASCII name) has the default device mode that
# Wine's AddPrinterA made from the stand-in UNIDRVUI.DLL's answer and stored
# as a DEVMODEA: the name, dmSpecVersion 0x401, dmSize 156, no private
# part, DM_ORIENTATION alone, portrait.
kdr_expect_default_devmode() {
  local key="HKLM\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\$1" hex name
  hex=$(kdr_reg_query "$key" /v "Default DevMode" | sed -n 's/^ *Default DevMode *REG_BINARY *//p')
  name=$(printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F)
  while [ ${#name} -lt 64 ]; do name+=00; done
  [ "${hex:0:92}" = "${name}010400009C000000010000000100" ] ||
    kdr_fail "the default device mode of $1 is not the stand-in's: $hex"
}

# Fails unless report $1 has the package folder, emptied.
kdr_expect_package_emptied() {
  grep -Eq '^package-folder \[.*\\Vey2020\] entries 0$' "$1" ||
    kdr_fail "the package folder is not empty after the dialog closed: $(grep '^package-' "$1")"
}

# The values of registry key $1, one a line as name|type|data (wine reg
# query separates them by four spaces).
kdr_reg_values() {
  kdr_reg_query "$1" | sed -n -E 's/^    (.*)    (REG_[A-Z_]+)    (.*)$/\1|\2|\3/p; s/^    (.*)    (REG_[A-Z_]+)$/\1|\2|/p'
}

# The TCP/IP port key IP_[$1] with its ten values and "Version" $2, and no
# other value; the values go to file $3.
kdr_expect_tcpip_port() {
  local address=$1 version=$2 out=$3
  kdr_reg_values "$kdr_tcpip_ports\\IP_[$address]" > "$out"
  printf '%s\n' "HostName|REG_SZ|$address" "HWAddress|REG_SZ|" "IPAddress|REG_SZ|" \
    "PortMonMibPortIndex|REG_DWORD|0x0" "PortNumber|REG_DWORD|0x238c" "Protocol|REG_DWORD|0x1" \
    "SNMP Community|REG_SZ|vorsak" "SNMP Enabled|REG_DWORD|0x0" "SNMP Index|REG_DWORD|0x1" \
    "Version|REG_DWORD|0x$version" | diff -u - "$out" ||
    kdr_fail "IP_[$address] does not hold the ten values in order"
}

# Makes USB printer VID_0416&PID_5011 serial SN0002 with port number 1
# (USB001) present in the prefix: its device node and its printer interface
# with the symbolic link, Linked 1 and the port number.
kdr_plug_usb_printer() {
  local class='{28d78fad-5a12-11d1-ae5b-0000f803a8c2}'
  local key="HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\$class\\##?#usb#vid_0416&pid_5011#sn0002#$class"
  cat > usb-printer.reg <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0416&PID_5011\\SN0002]
"ClassGUID"="{36fc9e60-c465-11cf-8056-444553540000}"
"DeviceDesc"="USB printing support"

[$key]
"DeviceInstance"="USB\\\\VID_0416&PID_5011\\\\SN0002"

[$key\\#]
"SymbolicLink"="\\\\\\\\?\\\\usb#vid_0416&pid_5011#sn0002#$class"

[$key\\#\\Control]
"Linked"=dword:00000001

[$key\\#\\Device Parameters]
"Port Number"=dword:00000001
REG
  kdr_reg_import usb-printer.reg
}

# Adds LPT1 to the prefix (its device map is rebuilt on a server restart).
kdr_add_lpt1() {
  # Not lpt1.reg: Windows takes LPT1 with any extension for the device.
  cat > add-parallel.reg <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Ports]
"LPT1"="/dev/null"
REG
  kdr_reg_import add-parallel.reg
  kdr_server_restart
}

# Adds COM1 to the prefix, whatever serial devices the host has.
kdr_add_com1() {
  cat > add-serial.reg <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Ports]
"COM1"="/dev/null"
REG
  kdr_reg_import add-serial.reg
  kdr_server_restart
}

# The index of port $2 in list 1010 of dump file $1.
kdr_port_index() {
  sed -n "s/^item 1010 \([0-9]*\) \[$2\]\$/\1/p" "$1"
}

# ---- Saved machine states inside one prefix ------------------------------------
# An installation changes the registry (printers, drivers, ports, the default
# printer), the spooler's folder (driver files, spooled pages) and the
# package folder. kdr_state_save NAME keeps the first two as they are now;
# kdr_state_restore NAME puts them back and removes the package folder, with
# the server stopped, so the next program starts on the saved machine and no
# earlier installation's leftovers. The restore fails unless the prefix's
# files (names, and sizes of files) are then exactly those of the save: a
# file written anywhere else would show there. Wine remakes dosdevices from
# the registry whenever it starts, so those links are left out.
kdr_state_registry=(system.reg user.reg userdef.reg)
kdr_state_spool=drive_c/windows/system32/spool

kdr_prefix_listing() {
  (cd "$WINEPREFIX" && find . \( -path ./.kdr-states -o -path ./dosdevices \) -prune -o \
    \( -type d -printf '%p/\n' \) -o -printf '%p %s\n' | LC_ALL=C sort)
}

kdr_state_save() {
  local dir=$WINEPREFIX/.kdr-states/$1 file
  kdr_server_restart
  rm -rf "$dir" && mkdir -p "$dir"
  for file in "${kdr_state_registry[@]}"; do cp -a "$WINEPREFIX/$file" "$dir/"; done
  cp -a "$WINEPREFIX/$kdr_state_spool" "$dir/spool"
  kdr_prefix_listing > "$dir/listing"
}

kdr_state_restore() {
  local dir=$WINEPREFIX/.kdr-states/$1 file
  [ -f "$dir/listing" ] || kdr_fail "no saved state $1"
  kdr_server_restart
  for file in "${kdr_state_registry[@]}"; do cp -a "$dir/$file" "$WINEPREFIX/$file"; done
  rm -rf "${WINEPREFIX:?}/$kdr_state_spool" "$WINEPREFIX"/drive_c/users/*/Temp/Vey2020
  cp -a "$dir/spool" "$WINEPREFIX/$kdr_state_spool"
  kdr_prefix_listing | diff -u "$dir/listing" - > state-restore.diff ||
    kdr_fail "state $1 not restored, the prefix differs: $(head -20 state-restore.diff)"
}

# Plants copies of file $1, under the names that follow, in the package
# folder, and makes them immutable: as root, Wine writes through the
# read-only attribute, and only the flag keeps them through the clearing at
# start. The flag is cleared when the case exits, before its prefix is
# removed. The planted paths are left in KDR_PLANTED.
kdr_plant_in_package_folder() {
  local source=$1 folder name previous
  shift
  folder=$(kdr_package_folder)
  mkdir -p "$folder"
  KDR_PLANTED=()
  for name in "$@"; do
    cp "$source" "$folder/$name"
    KDR_PLANTED+=("$folder/$name")
  done
  previous=$(trap -p EXIT | sed -e "s/^trap -- '//" -e "s/' EXIT\$//")
  # shellcheck disable=SC2064
  trap "chattr -i \"\${KDR_PLANTED[@]}\" 2>/dev/null || true; $previous" EXIT
  chattr +i "${KDR_PLANTED[@]}"
}
