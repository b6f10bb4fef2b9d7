# The installation matrix under Wine: every connection (USB, COM, LPT, LAN)
# on Windows XP (winxp, winxp64 in a win64 prefix) and Windows 10, in
# English and in Chinese, 16 cells. Each cell starts on the same saved
# machine of its Windows version (kdr_state_restore), so no check of a cell
# can be met by an earlier cell's printer, driver, port or default. After
# each installation the robot has read the success message of the cell's
# language, and the machine holds exactly the one printer KDR270 on the
# cell's port, exactly the drivers expected (the installer's in the
# environment of this prefix), KDR270 as the default printer only where Yes
# was chosen, the serial port's settings (COM) or the TCP/IP port key with
# its ten values and Version (LAN), an empty package folder, and a test page
# in the spooler's trace on USB only. Every cell is run and written into
# matrix.md in the artifacts (one row each); the case fails if any failed.
#
# KDR_BUILD_ARCH says which exe runs: x86 (the product, default) or x64 (the
# 64-bit test build, win64 only). A 64-bit exe calls the 64-bit spooler, so
# the Wine workaround for the 32-bit AddPrinterA is left out there.
# prefixes: win32 win64
# time limit: 600

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

build=${KDR_BUILD_ARCH:-x86}
case $KDR_ARCH/$build in
  win32/x86 | win64/x86 | win64/x64) ;;
  *) kdr_fail "no cells for the $build build in a $KDR_ARCH prefix" ;;
esac
env=$(kdr_driver_environment)
# Seconds: the dialog to show, the message box after Install (a LAN cell
# restarts the spooler first), the dialog to go; the three stay inside one
# robot run's limit.
dialog_limit=20 box_limit=25 gone_limit=10

# The driver records the machine must hold after a cell: the installer's in
# this prefix's environment, and in a win64 prefix under the x86 exe also
# the workaround's "Windows NT x86" one, which is there before every cell.
expected_drivers() {
  if [ "$KDR_ARCH/$build" = win64/x86 ]; then
    echo "driver [KDR270] env [Windows NT x86] version 3 data [KDR270.GPD]"
  fi
  echo "driver [KDR270] env [$env] version 3 data [KDR270.GPD]"
}

# ---- the machine every cell starts from ------------------------------------------
kdr_plug_usb_printer
# Wine maps the host's first serial device to COM1; without one, COM1 is added.
kdr_reg_query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' | grep -q 'REG_SZ    COM1$' || kdr_add_com1
kdr_add_lpt1
if [ "$build" = x86 ]; then kdr_install_prepare_prefix; fi
kdr_state_save base

# One cell, in its own folder: installs on connection $1 in language $2,
# with Yes ($3 = Yes) or No for the default printer; COM at $4 baud, LAN at
# address $4; $5 is the Version value a LAN port must carry. Runs in a
# subshell: kdr_fail ends the cell only.
run_cell() {
  local connection=$1 lang=$2 default=$3 detail=$4 version=$5
  local port radio baud_id choose=() index
  case $connection in
    USB) port=USB001 radio=1006 ;;
    COM) port=COM1: radio=1007 ;;
    LPT) port=LPT1: radio=1008 ;;
    LAN) port="IP_[$detail]" radio=1009 ;;
  esac
  kdr_install_start "$lang" spooler-trace.txt
  case $connection in
    USB) ;;
    COM | LPT)
      kdr_robot wait-dialog "$dialog_limit" click "$radio" dump > ports.txt
      index=$(kdr_port_index ports.txt "$port")
      [ -n "$index" ] || kdr_fail "$port is not listed: $(grep '^item 1010' ports.txt)"
      choose+=(select 1010 "$index")
      if [ "$connection" = COM ]; then
        case $detail in
          9600) baud_id=1024 ;;
          19200) baud_id=1025 ;;
          38400) baud_id=1026 ;;
          115200) baud_id=1027 ;;
        esac
        choose+=(click "$baud_id")
      fi
      ;;
    LAN) choose+=(click "$radio" set-ip "$detail") ;;
  esac
  [ "$default" = Yes ] && choose+=(click 1003)
  kdr_robot wait-dialog "$dialog_limit" "${choose[@]}" post-click 1 msgbox "$box_limit" \
    wait-gone "$gone_limit" > box.txt || kdr_fail "the robot could not finish: $(cat box.txt)"
  kdr_wait_exit "$KDR_PID" "$gone_limit" || kdr_fail "the installer did not end"
  kdr_success_box KDR270 "$port" | kdr_expect_boxes box.txt
  if [ "$connection" = USB ]; then
    kdr_expect_test_page spooler-trace.txt KDR270
  else
    kdr_expect_no_test_page spooler-trace.txt
  fi

  kdr_machine_report report.txt
  [ "$(grep '^printer ' report.txt)" = "printer [KDR270] port [$port] driver [KDR270]" ] ||
    kdr_fail "printers: $(grep '^printer ' report.txt)"
  [ "$(grep '^driver ' report.txt)" = "$(expected_drivers)" ] ||
    kdr_fail "drivers: $(grep '^driver ' report.txt)"
  kdr_expect_driver report.txt "$env"
  if [ "$default" = Yes ]; then
    echo 'default [KDR270]' | kdr_expect_lines report.txt
  else
    echo 'default none' | kdr_expect_lines report.txt
  fi
  kdr_expect_package_emptied report.txt
  case $connection in
    COM)
      kdr_reg_values "$kdr_serial_settings" > settings.txt
      echo "COM1:|REG_SZ|$detail,n,8,1,p" | kdr_expect_lines settings.txt
      ;;
    LAN)
      kdr_expect_tcpip_port "$detail" "$version" port-values.txt
      kdr_reg_query "$kdr_tcpip_ports" > port-keys.txt
      [ "$(grep -c '\\IP_\[' port-keys.txt)" -eq 1 ] || kdr_fail "port keys: $(cat port-keys.txt)"
      ;;
  esac
}

# The row of cell folder $1 (run as connection $2, version $3, language $4,
# default $5, detail $6) with its result $7 and seconds $8.
table_row() {
  local dir=$1 connection=$2 version=$3 lang=$4 default=$5 detail=$6 result=$7 seconds=$8
  local printers='not read' ports='not read' data=- page='not read'
  if [ -f "$dir/report.txt" ]; then
    printers=$(sed -n 's/^printer \[\(.*\)\] port \[.*\] driver \[.*\]$/\1/p' "$dir/report.txt" |
      paste -sd ',')
    ports=$(sed -n 's/^printer \[.*\] port \[\(.*\)\] driver \[.*\]$/\1/p' "$dir/report.txt" |
      paste -sd ',')
  fi
  case $connection in
    COM) [ -f "$dir/settings.txt" ] && data=$(sed -n 's/^COM1:|REG_SZ|//p' "$dir/settings.txt") ;;
    LAN)
      [ -f "$dir/port-values.txt" ] &&
        data="$(grep -c . "$dir/port-values.txt") values, Version $(sed -n 's/^Version|REG_DWORD|0x//p' "$dir/port-values.txt")"
      ;;
  esac
  if [ -f "$dir/spooler-trace.txt" ]; then
    page=$(grep -c 'winspool:StartDocPrinterW' "$dir/spooler-trace.txt" || true)
    if [ "$page" -gt 0 ]; then page=yes; else page=no; fi
  fi
  local line='|' field
  for field in "$connection" "$version" "$lang" "$KDR_ARCH, $build exe" "$default" \
    "${printers:-none}" "${ports:-none}" "$data" "$page" "$result" "$seconds"; do
    line+=" ${field//|/\\|} |"
  done
  echo "$line"
}

# ---- the cells ---------------------------------------------------------------------
matrix=$KDR_ARTIFACTS/matrix.md
rows=$KDR_ARTIFACTS/matrix-rows.md
: > "$rows"
failed=0 cell=0
# Each baud rate once per prefix.
bauds=(9600 19200 38400 115200)
started=$(date +%s)
for version in winxp win10; do
  kdr_state_restore base
  kdr_winver "$version"
  kdr_state_save "$version"
  shown=$version
  [ "$version/$KDR_ARCH" = winxp/win64 ] && shown=winxp64
  case $version in winxp) lan_version=1 v=0 ;; win10) lan_version=2 v=1 ;; esac
  for connection in USB COM LPT LAN; do
    case $connection in USB) c=0 ;; COM) c=1 ;; LPT) c=2 ;; LAN) c=3 ;; esac
    for lang in en zh; do
      case $lang in en) l=0 ;; zh) l=1 ;; esac
      cell=$((cell + 1))
      # Yes and No alternate along every axis.
      if [ $(((c + v + l) % 2)) -eq 0 ]; then default=Yes; else default=No; fi
      case $connection in
        COM) detail=${bauds[$((v * 2 + l))]} ;;
        # Documentation addresses: nothing is sent to them (no test page on LAN).
        LAN) detail=192.0.2.$((10 + cell)) ;;
        *) detail= ;;
      esac
      dir=$KDR_ARTIFACTS/cells/$(printf '%02d' "$cell")-$connection-$version-$lang
      mkdir -p "$dir"
      cell_start=$(date +%s.%N)
      set +e
      (
        set -e
        cd "$dir"
        kdr_state_restore "$version"
        run_cell "$connection" "$lang" "$default" "$detail" "$lan_version"
      ) > "$dir/log.txt" 2>&1
      status=$?
      set -e
      seconds=$(printf '%.1f' "$(echo "$(date +%s.%N) - $cell_start" | bc)")
      if [ "$status" -eq 0 ]; then
        result=pass
      else
        failed=$((failed + 1))
        # The whole failure message on one line (some span several).
        result=$(sed -n '/^FAIL: /,$p' "$dir/log.txt" | tr '\n' ' ' | cut -c1-240)
        [ -n "$result" ] || result="FAIL: exit $status"
        echo "cell $cell ($connection, $version, $lang): $result" >&2
      fi
      table_row "$dir" "$connection" "$shown" "$lang" "$default" "$detail" "$result" \
        "$seconds" >> "$rows"
    done
  done
done
total=$(($(date +%s) - started))

{
  echo "Install matrix, $KDR_ARCH prefix, $build exe: $((cell - failed)) of $cell cells passed" \
    "in ${total} s ($(date -u '+%Y-%m-%d %H:%M UTC'), load $(cut -d' ' -f1-3 /proc/loadavg))."
  echo
  echo "| connection | version | language | prefix/build | default | printer | port | port data | test page | result | s |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|"
  cat "$rows"
} > "$matrix"
cat "$matrix"
[ "$failed" -eq 0 ] || kdr_fail "$failed of $cell cells failed (see $matrix)"
echo "install_matrix: $cell cells in $KDR_ARCH ($build exe), ${total} s"
