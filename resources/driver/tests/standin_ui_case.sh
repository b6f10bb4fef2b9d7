# shellcheck shell=bash
# End-to-end case (run by tests/e2e/run-case.sh in the 64-bit prefix): the
# stand-in UNIDRVUI.DLL of each package folder called as a spooler calls
# it, by the probe built for its architecture (StandInUiProbe.cpp). The
# 32-bit build's run calls both; the 64-bit build's, made for machines that
# run no 32-bit program, calls the x64 one (its package is the same).
archs="x86 x64"
[ "$KDR_BUILD_ARCH" = x64 ] && archs=x64
for arch in $archs; do
  case $arch in
    x86) folder="Windows NT x86" ;;
    x64) folder="Windows x64" ;;
  esac
  dll=$KDR_BIN/driver/package-138/$folder/UNIDRVUI.DLL
  kdr_wine "$KDR_BIN/driver/probe/standin_ui_probe_$arch.exe" "$(winepath -w "$dll" 2>/dev/null)" \
    > "probe-$arch.txt" 2>&1 || kdr_fail "$folder/UNIDRVUI.DLL: $(cat "probe-$arch.txt")"
  echo "$folder/UNIDRVUI.DLL: $(cat "probe-$arch.txt")"
done
