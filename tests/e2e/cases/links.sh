# A link planted where the package folder or one of its subfolders goes (a
# Unix symbolic link, which Wine reports as a reparse point) leaves what it
# points to untouched: nothing is written through it and nothing behind it
# is deleted, at start or at exit. Wine's RemoveDirectory does not remove a
# link itself (it answers "directory not empty"), so the link stays there,
# and the installer then treats the folder as one it could not enter.
# prefixes: win32

kdr_lang en
temp_unix=$(winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null)
folder=$temp_unix/Vey2020

plant_target() {
  rm -rf "$KDR_ARTIFACTS/target"
  mkdir -p "$KDR_ARTIFACTS/target/Windows x64"
  echo keep > "$KDR_ARTIFACTS/target/keep.txt"
  echo keep > "$KDR_ARTIFACTS/target/Windows x64/UNIDRV.DLL"
}

expect_target_untouched() {
  [ "$(cat "$KDR_ARTIFACTS/target/keep.txt")" = keep ] || kdr_fail "$1: keep.txt changed"
  [ "$(cat "$KDR_ARTIFACTS/target/Windows x64/UNIDRV.DLL")" = keep ] ||
    kdr_fail "$1: a file behind the link was replaced"
  [ "$(find "$KDR_ARTIFACTS/target" -type f | wc -l)" -eq 2 ] ||
    kdr_fail "$1: files were written through the link: $(find "$KDR_ARTIFACTS/target" -type f)"
}

run_and_exit() {
  kdr_start "$KDR_BIN/KDR270Setup.exe"
  kdr_robot wait-dialog 30 > /dev/null
  expect_target_untouched "$1 while open"
  kdr_robot wait-dialog post-click 2 wait-gone 20 > /dev/null
  kdr_wait_exit "$KDR_PID" 20
  wineserver -w
  expect_target_untouched "$1 after exit"
}

# The package folder itself is a link.
plant_target
ln -s "$KDR_ARTIFACTS/target" "$folder"
run_and_exit "Vey2020 as a link"
rm "$folder"

# A subfolder is a link; the other subfolder is unpacked as usual.
plant_target
mkdir -p "$folder"
ln -s "$KDR_ARTIFACTS/target/Windows x64" "$folder/Windows x64"
kdr_start "$KDR_BIN/KDR270Setup.exe"
kdr_robot wait-dialog 30 > /dev/null
[ -f "$folder/Windows NT x86/UNIDRV.DLL" ] || kdr_fail "the other subfolder was not unpacked"
expect_target_untouched "Windows x64 as a link, while open"
kdr_robot wait-dialog post-click 2 wait-gone 20 > /dev/null
kdr_wait_exit "$KDR_PID" 20
wineserver -w
expect_target_untouched "Windows x64 as a link, after exit"
[ ! -e "$folder/Windows NT x86" ] || kdr_fail "the real subfolder was not cleaned"
echo "links: targets untouched"
