# shellcheck shell=bash
# End-to-end case (run by tests/e2e/run-case.sh in the 64-bit prefix, which
# runs both architectures): the stand-in UNIDRVUI.DLL of each package folder
# called as a spooler calls it, by the probe built for its architecture
# (StandInUiProbe.cpp).
for arch in x86 x64; do
  case $arch in
    x86) folder="Windows NT x86" ;;
    x64) folder="Windows x64" ;;
  esac
  dll=$KDR_BIN/driver/package-138/$folder/UNIDRVUI.DLL
  kdr_wine "$KDR_BIN/driver/probe/standin_ui_probe_$arch.exe" "$(winepath -w "$dll" 2>/dev/null)" \
    > "probe-$arch.txt" 2>&1 || kdr_fail "$folder/UNIDRVUI.DLL: $(cat "probe-$arch.txt")"
  echo "$folder/UNIDRVUI.DLL: $(cat "probe-$arch.txt")"
done
