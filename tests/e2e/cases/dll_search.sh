# Under Wine's relay trace: the installer takes the current directory out of
# the DLL search (SetDllDirectoryA("")) and narrows it to System32
# (SetDefaultDllDirectories(0x800)) before the package folder becomes its
# current directory, and its own code loads no DLL by a relative name.
# prefixes: win32

kdr_lang en
WINEDEBUG=+relay wine "$KDR_BIN/KDR270Setup.exe" 2> relay.log &
KDR_PID=$!
KDR_TIMEOUT=90 kdr_robot wait-dialog 60 post-click 2 wait-gone 30 > /dev/null
kdr_wait_exit "$KDR_PID" 30

line_of() { grep -n -m1 -F "$1" relay.log | cut -d: -f1; }
dll_dir=$(line_of 'Call KERNEL32.SetDllDirectoryA(')
default_dirs=$(line_of 'Call KERNEL32.SetDefaultDllDirectories(00000800)')
current=$(line_of 'Call KERNEL32.SetCurrentDirectoryA(')
[ -n "$dll_dir" ] || kdr_fail "SetDllDirectoryA was not called"
grep -m1 -F 'Call KERNEL32.SetDllDirectoryA(' relay.log | grep -Fq '"")' ||
  kdr_fail "SetDllDirectoryA was not given the empty string"
[ -n "$default_dirs" ] || kdr_fail "SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) was not called"
[ -n "$current" ] || kdr_fail "the package folder was never entered"
[ "$dll_dir" -lt "$current" ] && [ "$default_dirs" -lt "$current" ] ||
  kdr_fail "the DLL search was narrowed only after the current directory changed"

# The installer's thread is the one that narrowed the search; calls made from
# its own image (loaded at 0x00400000) that load a DLL must name nothing
# outside System32 by a relative path.
thread=$(grep -m1 -F 'Call KERNEL32.SetDllDirectoryA(' relay.log | cut -d: -f1)
grep -E "^$thread:Call KERNEL32.LoadLibrary(Ex)?[AW]\(" relay.log | grep -E 'ret=004[0-9a-f]{5}' \
  > own-loads.txt || true
if [ -s own-loads.txt ]; then
  kdr_fail "the installer's own code loads DLLs: $(cat own-loads.txt)"
fi
rm -f relay.log
echo "dll search: narrowed at trace lines $dll_dir and $default_dirs, folder entered at $current"
