# The Windows platform layer against the prefix's real calls.
# prefixes: win32 win64
case $KDR_ARCH in
  win32) expected=x86 ;;
  win64) expected=x64 ;;
esac
kdr_wine "$KDR_BIN/platform_check.exe" "$expected" | tee platform_check.log
