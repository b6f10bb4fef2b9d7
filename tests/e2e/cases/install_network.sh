# Network installations under Wine: Ethernet at 192.168.1.100 with Yes, then
# a second installation on the same address with No. The robot reads the
# success messages, and no test page is printed; the machine then holds the
# driver with its files, the printers KDR270 and KDR270 (copy 1) on
# IP_[192.168.1.100], KDR270 as the default printer, one TCP/IP port key
# with its ten values, and an empty package folder. Windows XP in the
# 32-bit prefix ("Version" 1), Windows 10 in the 64-bit one ("Version" 2).
# prefixes: win32 win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

case $KDR_ARCH in
  win32) kdr_winver winxp; version=1 ;;
  win64) kdr_winver win10; version=2 ;;
esac
kdr_install_prepare_prefix
env=$(kdr_driver_environment)
port='IP_[192.168.1.100]'

# ---- first: Yes ---------------------------------------------------------------
kdr_install_start en spooler-trace.txt
kdr_robot wait-dialog click 1003 click 1009 set-ip 192.168.1.100 dump > chosen.txt
echo 'text 1011 [192.168.1.100]' | kdr_expect_lines chosen.txt
kdr_screenshot network-chosen
kdr_install_press 1 first.txt closes
kdr_success_box KDR270 "$port" | kdr_expect_boxes first.txt
kdr_expect_no_test_page spooler-trace.txt

kdr_machine_report first-report.txt
kdr_expect_driver first-report.txt "$env"
kdr_expect_lines first-report.txt <<LINES
printer [KDR270] port [$port] driver [KDR270]
default [KDR270]
LINES
kdr_expect_package_emptied first-report.txt
kdr_expect_default_devmode KDR270
kdr_expect_tcpip_port 192.168.1.100 "$version" first-port.txt

# ---- second: No, the same address ------------------------------------------------
# Wine's AddPrinterA would overwrite a printer of the same name instead of
# failing, so KDR270 (copy 1) shows that the installer made the name unique.
kdr_install_start en
kdr_robot wait-dialog click 1009 set-ip 192.168.1.100 > /dev/null
kdr_install_press 1 second.txt closes
kdr_success_box 'KDR270 (copy 1)' "$port" | kdr_expect_boxes second.txt

kdr_machine_report second-report.txt
kdr_expect_driver second-report.txt "$env"
kdr_expect_lines second-report.txt <<LINES
printer [KDR270] port [$port] driver [KDR270]
printer [KDR270 (copy 1)] port [$port] driver [KDR270]
default [KDR270]
LINES
[ "$(grep -c '^printer ' second-report.txt)" -eq 2 ] || kdr_fail "other printers: $(grep '^printer ' second-report.txt)"
kdr_expect_package_emptied second-report.txt
# Written again, not a second key.
kdr_expect_tcpip_port 192.168.1.100 "$version" second-port.txt
kdr_reg_query "$kdr_tcpip_ports" > port-keys.txt
[ "$(grep -c '\\IP_\[' port-keys.txt)" -eq 1 ] || kdr_fail "port keys: $(cat port-keys.txt)"
echo "install_network: $port twice in $env, Version $version, KDR270 and KDR270 (copy 1)"
