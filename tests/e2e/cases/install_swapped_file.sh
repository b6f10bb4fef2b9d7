# A driver file swapped in the package folder while the dialog is open, as
# any program of the user could: the model's DLL of the machine's variant
# gets other bytes of the same size, first with a marker written over it,
# then with eight bytes changed so that its CRC-32 stays the same. Each
# Ethernet install then fails with the copy-failure message, the driver of
# that environment is not registered, and no file in the spooler's driver
# folders (the environment's staging folder, its 3\ folder and every other)
# holds the swapped bytes. With the
# genuine file back, the retry installs and the spooler's 3\ folder holds the
# genuine DLL. English; Windows XP in the 32-bit prefix (the short text),
# Windows 10 in the 64-bit one (the text with run-as-administrator advice).
# prefixes: win32 win64

# shellcheck source=../install-lib.sh
. "$KDR_SOURCE/tests/e2e/install-lib.sh"

env=$(kdr_driver_environment)
case $KDR_ARCH in
  win32)
    kdr_winver winxp
    envdir=w32x86
    failure='msgbox-text [Malfunction !]'
    ;;
  win64)
    kdr_winver win10
    envdir=x64
    failure='msgbox-text [Malfunction !\nPls try using <Run as administrator>open this App]'
    ;;
esac
port='IP_[192.168.1.100]'
genuine=$KDR_BIN/driver/package-138/$env/KDR270.DLL
kdr_install_prepare_prefix

# The spooler's driver folders, wherever this prefix keeps them (a 32-bit
# process in a 64-bit prefix may see them below syswow64 too).
spool_files() {
  find "$WINEPREFIX/drive_c/windows" -path '*/spool/drivers/*' -type f 2>/dev/null
}
# Fails when any file of the spooler's driver folders has the bytes of $1.
expect_not_in_spool() {
  local f
  while IFS= read -r f; do
    cmp -s "$f" "$1" && kdr_fail "the spooler's driver folders hold the swapped bytes: $f"
  done < <(spool_files)
  return 0
}

size=$(stat -c %s "$genuine")
# Same size, other bytes: a marker over 32 bytes in the middle of the DLL.
marked=$KDR_ARTIFACTS/marked-KDR270.DLL
cp "$genuine" "$marked"
printf 'SWAPPED BY A USER-LEVEL PROGRAM.' |
  dd of="$marked" bs=1 seek=$((size / 2)) conv=notrunc status=none
# Same size and CRC-32, other bytes: "plumless" and "buckeroo" have one
# CRC-32, so eight bytes XORed with their difference keep it, wherever they
# lie.
twin=$KDR_ARTIFACTS/crc-twin-KDR270.DLL
cp "$genuine" "$twin"
offset=$((size / 3))
read -r -a old < <(od -An -tu1 -j "$offset" -N 8 "$genuine")
diff=(0x12 0x19 0x16 0x06 0x09 0x17 0x1c 0x1c)
for i in 0 1 2 3 4 5 6 7; do
  # shellcheck disable=SC2059
  printf "\\$(printf '%03o' $((old[i] ^ diff[i])))"
done | dd of="$twin" bs=1 seek="$offset" conv=notrunc status=none
for f in "$marked" "$twin"; do
  [ "$(stat -c %s "$f")" -eq "$size" ] && ! cmp -s "$f" "$genuine" ||
    kdr_fail "could not make $(basename "$f")"
done
[ "$(gzip -c < "$twin" | tail -c 8 | od -An -tx4 -N4)" = \
  "$(gzip -c < "$genuine" | tail -c 8 | od -An -tx4 -N4)" ] ||
  kdr_fail "the CRC-32 twin has another CRC-32"

kdr_install_start en
folder=$(kdr_package_folder)
cmp -s "$folder/$env/KDR270.DLL" "$genuine" || kdr_fail "the unpacked DLL is not the package's"
kdr_robot wait-dialog click 1003 click 1009 set-ip 192.168.1.100 > /dev/null

for swapped in "$marked" "$twin"; do
  name=$(basename "$swapped" .DLL)
  cp "$swapped" "$folder/$env/KDR270.DLL"
  kdr_install_press 1 "$name.txt"
  printf '%s\n%s\n' 'msgbox-title [ORVANT KDR270 POS Printer Driver Setup]' "$failure" |
    kdr_expect_boxes "$name.txt"
  kdr_robot wait-dialog dump > "after-$name.txt"
  kdr_screenshot "failure-$name"
  kdr_expect_lines "after-$name.txt" <<'LINES'
enabled 1 1
enabled 2 1
LINES
  kdr_machine_report "report-$name.txt"
  grep -q "^driver \[KDR270\] env \[$env\]" "report-$name.txt" &&
    kdr_fail "the driver was registered from $name"
  grep -q '^printer ' "report-$name.txt" && kdr_fail "a printer: $(grep '^printer ' "report-$name.txt")"
  spool_files > "spool-after-$name.txt"
  expect_not_in_spool "$swapped"
  # Nothing of this run stays staged in the environment's folder.
  for f in KDR270.DLL KDR270.GPD UNIDRV.DLL UNIDRVUI.DLL UNIRES.DLL UNIDRV.HLP TTFSUB.GPD STDNAMES.GPD; do
    grep -iq "/spool/drivers/$envdir/$f\$" "spool-after-$name.txt" &&
      kdr_fail "$f stays staged after $name"
  done
done

# ---- the genuine file back: the retry installs it -------------------------------
cp "$genuine" "$folder/$env/KDR270.DLL"
kdr_install_press 1 retried.txt closes
kdr_success_box KDR270 "$port" | kdr_expect_boxes retried.txt
kdr_machine_report report.txt
kdr_expect_driver report.txt "$env"
kdr_expect_lines report.txt <<LINES
printer [KDR270] port [$port] driver [KDR270]
LINES
kdr_expect_package_emptied report.txt
spool_files > spool-after-retry.txt
expect_not_in_spool "$marked"
expect_not_in_spool "$twin"
registered=$(grep -i "/spool/drivers/$envdir/3/KDR270.DLL\$" spool-after-retry.txt | head -n 1)
[ -n "$registered" ] && cmp -s "$registered" "$genuine" ||
  kdr_fail "the spooler's $envdir/3 folder lacks the genuine KDR270.DLL: $(cat spool-after-retry.txt)"
echo "install_swapped_file: $env\\KDR270.DLL swapped (marker, CRC-32 twin) refused, never in the spooler; genuine one installed"
