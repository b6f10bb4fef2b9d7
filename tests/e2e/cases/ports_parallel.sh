# Parallel ports and Ethernet under Wine. A fresh prefix has no parallel
# port: the dialog shows the notice in the list's place and disables
# Install. With LPT1 and LPT2 added to the prefix (HKLM\Software\Wine\Ports,
# then a server restart) it lists them as the prefix's device map
# (HARDWARE\DEVICEMAP\PARALLEL PORTS) has them. Ethernet shows the address
# control and its label, keeps the typed address while chosen, and any
# other type resets it to 0.0.0.0.
# prefixes: win32

exe=$KDR_BIN/KDR270Setup.exe

# "LPT", the last character of each value's data, ":"; in registry order.
prefix_parallel_ports() {
  kdr_reg_query 'HKLM\HARDWARE\DEVICEMAP\PARALLEL PORTS' |
    awk '$2 == "REG_SZ" { print "LPT" substr($3, length($3)) ":" }'
}

# ---- no parallel port; Ethernet ------------------------------------------------
kdr_lang en
kdr_start "$exe"
kdr_robot wait-dialog 30 click 1008 dump > parallel-none.txt
kdr_screenshot parallel-none
kdr_expect_connection parallel-none.txt parallel 0
echo 'text 1014 [No device < parallel port > was detected on the computer !]' |
  kdr_expect_lines parallel-none.txt
[ -z "$(prefix_parallel_ports)" ] || kdr_fail "the fresh prefix has a parallel port"

kdr_robot wait-dialog click 1009 set-ip 192.168.1.100 click 1009 dump > ethernet.txt
kdr_screenshot ethernet
kdr_expect_connection ethernet.txt ethernet 0
echo 'text 1011 [192.168.1.100]' | kdr_expect_lines ethernet.txt
kdr_robot wait-dialog click 1008 dump > parallel-after-ethernet.txt
kdr_expect_connection parallel-after-ethernet.txt parallel 0
echo 'text 1011 [0.0.0.0]' | kdr_expect_lines parallel-after-ethernet.txt
kdr_robot wait-dialog click 1009 dump > ethernet-again.txt
kdr_expect_connection ethernet-again.txt ethernet 0
echo 'text 1011 [0.0.0.0]' | kdr_expect_lines ethernet-again.txt
kdr_exit_and_wait

# ---- LPT1 and LPT2 added ---------------------------------------------------------
# Not lpt1.reg: Windows takes LPT1 with any extension for the device.
cat > add-parallel.reg <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Ports]
"LPT1"="/dev/null"
"LPT2"="/dev/null"
REG
kdr_reg_import add-parallel.reg
kdr_server_restart

kdr_lang zh
kdr_start "$exe"
kdr_robot wait-dialog 30 click 1008 dump > parallel.txt
kdr_screenshot parallel-zh
kdr_expect_connection parallel.txt parallel 1
echo 'item 1010 0 [请选择以下并口端口:]' | kdr_expect_lines parallel.txt
prefix_parallel_ports > prefix-parallel.txt
printf 'LPT1:\nLPT2:\n' | diff -u - prefix-parallel.txt || kdr_fail "the prefix lacks LPT1 or LPT2"
kdr_list_ports parallel.txt 1010 | diff -u prefix-parallel.txt - ||
  kdr_fail "the dialog lists other ports than the prefix has"
kdr_exit_and_wait
