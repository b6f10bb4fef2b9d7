# A serial installation under Wine, in Chinese on Windows 10: COM1: at
# 38400 baud with No. The robot reads the Chinese success message; the
# machine then holds the driver with its files, the printer on COM1:, the
# port's settings "38400,n,8,1,p", no new default printer, and an empty
# package folder.
# prefixes: win32

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

kdr_winver win10
# Wine maps the host's first serial device to COM1; without one, COM1 is added.
kdr_reg_query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' | grep -q 'REG_SZ    COM1$' || kdr_add_com1
kdr_install_prepare_prefix
kdr_install_start zh
kdr_robot wait-dialog click 1007 dump > serial.txt
index=$(kdr_port_index serial.txt COM1:)
[ -n "$index" ] || kdr_fail "COM1: is not listed: $(grep '^item 1010' serial.txt)"
kdr_robot wait-dialog select 1010 "$index" click 1026 dump > chosen.txt
kdr_expect_lines chosen.txt <<LINES
selected 1010 $index
checked 1026 1
checked 1002 1
LINES
kdr_screenshot serial-zh-chosen
kdr_install_press 1 box.txt closes
kdr_success_box KDR270 COM1: | kdr_expect_boxes box.txt

kdr_machine_report report.txt
kdr_expect_driver report.txt "$(kdr_driver_environment)"
kdr_expect_lines report.txt <<'LINES'
printer [KDR270] port [COM1:] driver [KDR270]
default none
LINES
kdr_expect_package_emptied report.txt
kdr_reg_values "$kdr_serial_settings" > settings.txt
echo 'COM1:|REG_SZ|38400,n,8,1,p' | kdr_expect_lines settings.txt
echo "install_serial: KDR270 on COM1: at 38400,n,8,1,p"
