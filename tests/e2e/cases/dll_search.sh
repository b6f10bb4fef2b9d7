# Under Wine's relay trace: the installer takes the current directory out of
# the DLL search (SetDllDirectoryA("")) and narrows it to System32
# (SetDefaultDllDirectories(0x800)) before the package folder becomes its
# current directory, and its own code loads DLLs only by their full path in
# the system folder, their own imports looked for beside them
# (LOAD_WITH_ALTERED_SEARCH_PATH, 8): comctl32.dll and setupapi.dll by the
# time the dialog is open.
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
# its own image (where Wine loads it: at its preferred base) that load a DLL
# must name a full path in System32.
# SetDllDirectoryA was called from that image, which shows the range is right.
read -r image_base image_size < <(x86_64-w64-mingw32-objdump -p "$KDR_BIN/KDR270Setup.exe" |
  awk '$1 == "ImageBase" { b = $2 } $1 == "SizeOfImage" { s = $2 } END { print b, s }')
image_start=$((16#$image_base))
image_end=$((image_start + 16#$image_size))
from_image() {
  local ret
  ret=$(sed -n 's/.* ret=\([0-9a-f]*\)$/\1/p' <<< "$1")
  [ -n "$ret" ] && [ $((16#$ret)) -ge "$image_start" ] && [ $((16#$ret)) -lt "$image_end" ]
}
thread=$(grep -m1 -F 'Call KERNEL32.SetDllDirectoryA(' relay.log | cut -d: -f1)
from_image "$(grep -m1 -F 'Call KERNEL32.SetDllDirectoryA(' relay.log)" ||
  kdr_fail "SetDllDirectoryA was not called from the exe's image ($image_base, $image_size bytes)"
: > own-loads.txt
while IFS= read -r call; do
  if from_image "$call"; then echo "$call" >> own-loads.txt; fi
done < <(grep -E "^$thread:Call KERNEL32.LoadLibrary(Ex)?[AW]\(" relay.log)
system_load='Call KERNEL32\.LoadLibraryExA\([0-9a-f]+ "C:\\\\windows\\\\system32\\\\[a-z0-9]+\.(dll|drv)",0+,0*8\)'
if grep -Ev "$system_load" own-loads.txt > other-loads.txt; then
  kdr_fail "the installer's own code loads DLLs by other names: $(cat other-loads.txt)"
fi
for dll in comctl32.dll setupapi.dll; do
  grep -qiF "system32\\\\$dll\"" own-loads.txt || kdr_fail "$dll was not loaded from System32"
done
rm -f relay.log
echo "dll search: narrowed at trace lines $dll_dir and $default_dirs, folder entered at $current"
