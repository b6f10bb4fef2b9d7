# Serial ports under Wine: the dialog lists the COM ports of the prefix's
# device map (HKLM\HARDWARE\DEVICEMAP\SERIALCOMM), in its order, below the
# prompt; shows the baud-rate group, which keeps its choice while hidden;
# sees a COM3 that the test adds; and hands a double-clicked port to the
# spooler's ConfigurePortA. English, then Chinese for the prompt.
# prefixes: win32

exe=$KDR_BIN/KDR270Setup.exe

# The port names the dialog is to list: each value's data and ":", in the
# order the registry enumerates them. The device map is volatile; Wine
# fills it when the prefix's devices start, so ask while the dialog runs.
prefix_serial_ports() {
  kdr_reg_query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' | awk '$2 == "REG_SZ" { print $3 ":" }'
}

expect_listed_as_in_prefix() {
  local dump=$1 name=$2
  prefix_serial_ports > "prefix-$name.txt"
  [ -s "prefix-$name.txt" ] || kdr_fail "the prefix has no serial port"
  kdr_list_ports "$dump" 1010 > "listed-$name.txt"
  diff -u "prefix-$name.txt" "listed-$name.txt" || kdr_fail "$dump lists other ports than the prefix has"
}

# Waits until the trace file $1 holds $2 ConfigurePortA lines.
wait_for_configure_calls() {
  local _
  # Up to 30 s, scaled: the trace is written late on a loaded machine.
  for _ in $(seq $((10 * $(kdr_seconds 30)))); do
    [ "$(grep -c 'winspool:ConfigurePortA ' "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  kdr_fail "no ConfigurePortA call number $2 in $1"
}

# ---- the ports the prefix has ------------------------------------------------
kdr_lang en
kdr_start "$exe"
kdr_robot wait-dialog 30 click 1007 dump > serial.txt
kdr_screenshot serial-en
kdr_expect_connection serial.txt serial 1
expect_listed_as_in_prefix serial.txt default
kdr_expect_lines serial.txt <<'LINES'
item 1010 0 [Please select serial port:]
text 1011 [0.0.0.0]
checked 1024 1
LINES

# 38400 stays chosen while another type hides the group.
kdr_robot wait-dialog click 1026 click 1006 dump > usb-after-serial.txt
kdr_expect_connection usb-after-serial.txt usb 0
kdr_robot wait-dialog click 1007 dump > serial-again.txt
kdr_expect_connection serial-again.txt serial 1
printf 'checked 1024 0\nchecked 1026 1\n' | kdr_expect_lines serial-again.txt
kdr_exit_and_wait

# ---- COM3 added to the prefix ------------------------------------------------
# Not com3.reg: Windows takes COM3 with any extension for the device.
cat > add-com3.reg <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Ports]
"COM3"="/dev/null"
REG
kdr_reg_import add-com3.reg
kdr_server_restart

WINEDEBUG=trace+winspool kdr_start "$exe" 2> spooler-trace.txt
kdr_robot wait-dialog 30 click 1007 handle dump > serial-com3.txt
kdr_screenshot serial-com3
kdr_expect_connection serial-com3.txt serial 1
expect_listed_as_in_prefix serial-com3.txt com3
grep -Fxq 'COM3:' listed-com3.txt || kdr_fail "COM3 is not listed"

# A double-click on COM3 configures COM3; one on the prompt first moves the
# selection to the first port, which is then configured. Wine's localui
# shows no dialog for a COM port (its GetDefaultCommConfig fails), so the
# trace is where the call is seen.
handle=$(sed -n 's/^handle //p' serial-com3.txt)
com3=$(grep -nFx 'COM3:' listed-com3.txt | cut -d: -f1)
first=$(sed -n 1p listed-com3.txt)
kdr_robot wait-dialog post-dblclk-item 1010 "$com3"
wait_for_configure_calls spooler-trace.txt 1
kdr_robot wait-dialog post-dblclk-item 1010 0
wait_for_configure_calls spooler-trace.txt 2
grep 'winspool:ConfigurePortA ' spooler-trace.txt | tr -d '\r' > configured.txt
cat > configured-expected.txt <<LINES
((null), $handle, "COM3:")
((null), $handle, "$first")
LINES
sed 's/^.*ConfigurePortA //' configured.txt | diff -u configured-expected.txt - ||
  kdr_fail "ConfigurePortA was not called with the local server, the dialog and the port"
kdr_robot wait-dialog dump > serial-after-configure.txt
kdr_expect_connection serial-after-configure.txt serial 1
kdr_list_ports serial-after-configure.txt 1010 | diff -u listed-com3.txt - ||
  kdr_fail "the list changed"
kdr_exit_and_wait

# ---- Chinese -------------------------------------------------------------------
kdr_lang zh
kdr_start "$exe"
kdr_robot wait-dialog 30 click 1007 dump > serial-zh.txt
kdr_screenshot serial-zh
kdr_expect_connection serial-zh.txt serial 1
echo 'item 1010 0 [请选择以下串口端口:]' | kdr_expect_lines serial-zh.txt
kdr_list_ports serial-zh.txt 1010 | diff -u listed-com3.txt - || kdr_fail "the Chinese list differs"
kdr_exit_and_wait
