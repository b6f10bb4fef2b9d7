# The Windows path table over the real file calls: full paths, and where a
# created name lands, the same answers as the simulated file system gives.
# prefixes: win32 win64
if ! kdr_wine "$KDR_BIN/path_cases.exe" >path_cases.log; then
  cat path_cases.log
  kdr_fail "path cases differ from the table"
fi
cat path_cases.log
