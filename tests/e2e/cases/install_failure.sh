# A failed installation under Wine, then a retry: a driver file is taken out
# of the package folder while the dialog is open, so its copy fails. The
# robot reads the failure message of the machine's variant and Windows
# version; the dialog stays open with Install and Exit enabled, and no
# printer or driver of the installer's environment is there. With the file
# put back the second press installs and the program ends. English on
# Windows XP in the 32-bit prefix (the short text), Chinese on Windows 10 in
# the 64-bit one (the text with run-as-administrator and antivirus advice).
# prefixes: win32 win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

env=$(kdr_driver_environment)
case $KDR_ARCH in
  win32)
    kdr_winver winxp
    lang=en package=138
    failure='msgbox-text [Malfunction !]'
    ;;
  win64)
    kdr_winver win10
    lang=zh package=129
    failure='msgbox-text [安装过程发生错误 !\r\n请尝试<以管理员身份运行>安装文件 .\r\n或者关闭您的杀毒软件后重试 !]'
    ;;
esac
kdr_plug_usb_printer
kdr_install_prepare_prefix
kdr_install_start "$lang"
folder=$(kdr_package_folder)
rm "$folder/$env/UNIDRV.DLL"

kdr_robot wait-dialog click 1003 > /dev/null
kdr_install_press 1 failed.txt
printf '%s\n%s\n' 'msgbox-title [ORVANT KDR270 POS Printer Driver Setup]' "$failure" |
  kdr_expect_boxes failed.txt
kdr_robot wait-dialog dump > after-failure.txt
kdr_screenshot "failure-$lang"
kdr_expect_lines after-failure.txt <<'LINES'
visible 1 1
enabled 1 1
visible 2 1
enabled 2 1
selected 1010 1
LINES
kdr_machine_report failed-report.txt
grep -q '^printer ' failed-report.txt && kdr_fail "a printer after the failure: $(grep '^printer ' failed-report.txt)"
grep -q "^driver \[KDR270\] env \[$env\]" failed-report.txt && kdr_fail "the driver was added after the failure"
grep -q '^default none$' failed-report.txt || kdr_fail "the default printer changed"

# ---- the file back: the retry installs ------------------------------------------
cp "$KDR_BIN/driver/package-$package/$env/UNIDRV.DLL" "$folder/$env/UNIDRV.DLL"
kdr_install_press 1 retried.txt closes
kdr_success_box KDR270 USB001 | kdr_expect_boxes retried.txt
kdr_machine_report report.txt
kdr_expect_driver report.txt "$env"
kdr_expect_lines report.txt <<'LINES'
printer [KDR270] port [USB001] driver [KDR270]
default [KDR270]
LINES
kdr_expect_package_emptied report.txt
echo "install_failure: copy failure shown in $lang, dialog kept, retry installed in $env"
