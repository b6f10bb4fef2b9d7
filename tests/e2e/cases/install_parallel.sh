# A parallel installation under Wine, in the 64-bit prefix as Windows XP
# (winxp64): LPT1: (added to the prefix) with Yes. The robot reads the
# success message; the machine then holds the x64 driver with its files,
# the printer on LPT1:, KDR270 as the default printer, and an empty package
# folder.
# prefixes: win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

kdr_add_lpt1
kdr_winver winxp
kdr_install_prepare_prefix
kdr_install_start en
kdr_robot wait-dialog click 1003 click 1008 dump > parallel.txt
index=$(kdr_port_index parallel.txt LPT1:)
[ -n "$index" ] || kdr_fail "LPT1: is not listed: $(grep '^item 1010' parallel.txt)"
kdr_robot wait-dialog select 1010 "$index" > /dev/null
kdr_install_press 1 box.txt closes
kdr_success_box KDR270 LPT1: | kdr_expect_boxes box.txt

kdr_machine_report report.txt
kdr_expect_driver report.txt "$(kdr_driver_environment)"
kdr_expect_lines report.txt <<'LINES'
printer [KDR270] port [LPT1:] driver [KDR270]
default [KDR270]
LINES
kdr_expect_package_emptied report.txt
echo "install_parallel: KDR270 on LPT1: in $(kdr_driver_environment)"
