# USB printers under Wine. A fresh prefix has none: the dialog starts with
# the notice in the list's place and Install disabled. The test then makes
# printers present in the running prefix and sends WM_DEVICECHANGE as
# Windows would on arrival and removal: the USB list refills and Install
# follows without any user action, while the other connection types are
# left as they are. A printer of a vendor the installer does not support is
# never listed. English, then Chinese with a printer present from the start.
# prefixes: win32 win64

exe=$KDR_BIN/KDR270Setup.exe
class='{28d78fad-5a12-11d1-ae5b-0000f803a8c2}'
notice='There is no <USB printer> connected to the computer! Please confirm that your USB printer is properly connected to the computer !'

# A .reg that makes USB printer VID_$1&PID_$2\$3 with port number $4 present
# ($5 = 1) or pulled out ($5 = 0): its device node, its printer interface
# with the symbolic link, Linked, and the port number Windows keeps in the
# interface's Device Parameters. Wine lists the interface (flags exactly
# SPINT_ACTIVE) while Linked is 1, with its path in lower case.
usb_printer_reg() {
  local vid=$1 pid=$2 serial=$3 port=$4 linked=$5
  local instance="USB\\VID_$vid&PID_$pid\\$serial"
  local link key
  link=$(printf '\\\\?\\usb#vid_%s&pid_%s#%s#%s' "$vid" "$pid" "$serial" "$class" |
    tr '[:upper:]' '[:lower:]')
  # The interface's key: its path with every backslash made "#".
  key="HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\$class\\${link//\\/#}"
  # .reg strings double their backslashes.
  local esc_instance=${instance//\\/\\\\}
  local esc_link=${link//\\/\\\\}
  cat <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\$instance]
"ClassGUID"="{36fc9e60-c465-11cf-8056-444553540000}"
"DeviceDesc"="USB printing support"

[$key]
"DeviceInstance"="$esc_instance"

[$key\\#]
"SymbolicLink"="$esc_link"

[$key\\#\\Control]
"Linked"=dword:0000000$linked

[$key\\#\\Device Parameters]
"Port Number"=dword:$(printf '%08x' "$port")
REG
}

# Makes the printer present or pulled out in the running prefix.
usb_printer() {
  local name=$1
  shift
  usb_printer_reg "$@" > "$name.reg"
  kdr_reg_import "$name.reg"
}

# The connection controls and the list of dump $1 are those of dump $2.
expect_unchanged() {
  grep -E '^(checked|visible|enabled|items|item|selected|text 1011 )' "$2" | kdr_expect_lines "$1"
}

kdr_lang en
kdr_start "$exe"

# ---- none at start ---------------------------------------------------------------
kdr_robot wait-dialog 30 dump > usb-none.txt
kdr_screenshot usb-none
kdr_expect_connection usb-none.txt usb 0
echo "text 1014 [$notice]" | kdr_expect_lines usb-none.txt

# ---- a printer arrives; one of another vendor never shows --------------------
usb_printer plug-0416 0416 5011 SN0002 2 1
usb_printer plug-9999 9999 0001 SN0009 9 1
kdr_robot wait-dialog devchange arrival dump > usb-arrival.txt
kdr_screenshot usb-arrival
kdr_expect_connection usb-arrival.txt usb 1
kdr_expect_lines usb-arrival.txt <<'LINES'
items 1010 2
item 1010 0 [Please select USB port:]
item 1010 1 [USB002]
LINES

# ---- while serial is chosen, a second printer changes nothing -----------------
kdr_robot wait-dialog click 1007 click 1027 dump > serial-before.txt
usb_printer plug-1fc9 1FC9 2016 SN0012 12 1
kdr_robot wait-dialog devchange arrival dump > serial-after-arrival.txt
expect_unchanged serial-after-arrival.txt serial-before.txt
kdr_robot wait-dialog click 1006 dump > usb-two.txt
kdr_expect_connection usb-two.txt usb 1
kdr_list_ports usb-two.txt 1010 | sort > usb-two-ports.txt
printf 'USB002\nUSB012\n' | diff -u - usb-two-ports.txt || kdr_fail "not both printers are listed"

# ---- while Ethernet is chosen, a removal changes nothing, not the address ----
kdr_robot wait-dialog click 1009 set-ip 10.0.0.7 dump > ethernet-before.txt
usb_printer pull-0416 0416 5011 SN0002 2 0
kdr_robot wait-dialog devchange removal dump > ethernet-after-removal.txt
expect_unchanged ethernet-after-removal.txt ethernet-before.txt
kdr_expect_connection ethernet-after-removal.txt ethernet 0
echo 'text 1011 [10.0.0.7]' | kdr_expect_lines ethernet-after-removal.txt
kdr_robot wait-dialog click 1006 dump > usb-one-left.txt
kdr_expect_connection usb-one-left.txt usb 1
printf 'items 1010 2\nitem 1010 1 [USB012]\n' | kdr_expect_lines usb-one-left.txt

# ---- the last one is pulled out while USB is chosen -------------------------------
usb_printer pull-1fc9 1FC9 2016 SN0012 12 0
kdr_robot wait-dialog devchange removal dump > usb-removed.txt
kdr_screenshot usb-removed
kdr_expect_connection usb-removed.txt usb 0
echo "text 1014 [$notice]" | kdr_expect_lines usb-removed.txt
kdr_exit_and_wait

# ---- Chinese, a printer present from the start -------------------------------------
kdr_reg_import plug-0416.reg
kdr_lang zh
kdr_start "$exe"
kdr_robot wait-dialog 30 dump > usb-zh.txt
kdr_screenshot usb-zh
kdr_expect_connection usb-zh.txt usb 1
kdr_expect_lines usb-zh.txt <<'LINES'
items 1010 2
item 1010 0 [请选择以下USB端口:]
item 1010 1 [USB002]
LINES
kdr_exit_and_wait
