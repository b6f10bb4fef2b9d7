# The main dialog under Wine, as the robot reads it from another process:
# every text, which controls are shown and enabled, the start choices, the
# hidden language switch, and Exit ending the program. English with UI
# language 1033, Chinese with 2052 and code page 936.
# prefixes: win32

exe=$KDR_BIN/KDR270Setup.exe

# The connection refresh decides whether 1, 1010, 1011, 1012, 1014, 1015
# and 1024-1028 are shown and enabled; these never change.
expect_fixed_controls_shown() {
  for id in 1001 1002 1003 1031 1006 1007 1008 1009 2 1023 1033; do
    printf 'visible %s 1\nenabled %s 1\n' "$id" "$id"
  done | kdr_expect_lines "$1"
}

# No, USB and 9600 selected; the address 0.0.0.0. The texts that are the
# same in both languages.
expect_start_state() {
  kdr_expect_lines "$1" <<'LINES'
checked 1002 1
checked 1003 0
checked 1006 1
checked 1007 0
checked 1008 0
checked 1009 0
checked 1024 1
checked 1025 0
checked 1026 0
checked 1027 0
text 1011 [0.0.0.0]
title [ORVANT KDR270 POS Printer Driver Setup]
text 1006 [USB ]
text 1024 [9600]
text 1025 [19200]
text 1026 [38400]
text 1027 [115200]
text 1033 [                ]
LINES
}

expect_english() {
  kdr_expect_lines "$1" <<'LINES'
text 1001 [1.Set this printer to the system's default printer?]
text 1002 [No (not default)]
text 1003 [Yes (default)]
text 1031 [2.How does your printer connect to your computer?]
text 1007 [COM]
text 1008 [LPT]
text 1009 [LAN]
text 1012 [Printer IP address:]
text 1028 [Baud rate]
text 1 [installing the printer driver]
text 2 [Exit]
text 1023 [*Click here to try the installation using the wizard.]
LINES
}

expect_chinese() {
  kdr_expect_lines "$1" <<'LINES'
text 1001 [1. 您是否需要将此次安装设置为系统默认的打印机?]
text 1002 [否 (不设置为默认)]
text 1003 [是 (设置为默认)]
text 1031 [2. 您的打印机通过哪种方式与电脑连接 ?]
text 1007 [串口]
text 1008 [并口]
text 1009 [以太网]
text 1012 [打印机 IP 地址:]
text 1028 [* 波特率 ]
text 1 [开始安装打印机驱动]
text 2 [退出]
text 1023 [*安装出现问题 ? 点击这里尝试使用向导进行安装.]
LINES
}

kdr_lang en
kdr_start "$exe"
kdr_robot wait-dialog 30 dump > en.txt
kdr_screenshot dialog-en
expect_english en.txt
expect_start_state en.txt
expect_fixed_controls_shown en.txt
kdr_exit_and_wait

kdr_lang zh
kdr_start "$exe"
kdr_robot wait-dialog 30 dump > zh.txt
kdr_screenshot dialog-zh
expect_chinese zh.txt
expect_start_state zh.txt
expect_fixed_controls_shown zh.txt

# Four double-clicks on the blank area change nothing; the fifth switches
# to English, and a single click between them is not counted.
kdr_robot wait-dialog dblclk 1033 mouse-click 1033 dblclk 1033 dblclk 1033 dblclk 1033 \
  dump > zh-after-4.txt
expect_chinese zh-after-4.txt
kdr_robot wait-dialog dblclk 1033 dump > zh-after-5.txt
kdr_screenshot dialog-zh-switched
expect_english zh-after-5.txt
expect_start_state zh-after-5.txt
kdr_exit_and_wait
