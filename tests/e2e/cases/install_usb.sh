# USB installations under Wine on Windows 10, with a USB printer interface
# present (USB001): English in the 32-bit prefix, Chinese in the 64-bit
# one, Yes. The robot reads the success message; the test page is handed to
# the spooler before the program ends (seen in its trace; Wine's page goes
# nowhere on a USB port); the machine then holds the driver with its files,
# the printer on USB001, KDR270 as the default printer, and an empty
# package folder.
# prefixes: win32 win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

case $KDR_ARCH in
  win32) lang=en ;;
  win64) lang=zh ;;
esac
kdr_winver win10
kdr_plug_usb_printer
kdr_install_prepare_prefix
kdr_install_start "$lang" spooler-trace.txt
kdr_robot wait-dialog click 1003 dump > usb.txt
kdr_expect_lines usb.txt <<'LINES'
items 1010 2
item 1010 1 [USB001]
selected 1010 1
LINES
kdr_screenshot "usb-$lang-chosen"
kdr_install_press 1 box.txt closes
kdr_success_box KDR270 USB001 | kdr_expect_boxes box.txt
kdr_expect_test_page spooler-trace.txt KDR270

kdr_machine_report report.txt
kdr_expect_driver report.txt "$(kdr_driver_environment)"
kdr_expect_lines report.txt <<'LINES'
printer [KDR270] port [USB001] driver [KDR270]
default [KDR270]
LINES
kdr_expect_package_emptied report.txt
echo "install_usb: KDR270 on USB001 in $(kdr_driver_environment), $lang"
