# The program's resources: dialog 102 in Simplified Chinese exactly as
# resources/Dialog102.h describes it, icon 128, the manifest and the version
# information.
# prefixes: win32

exe=$KDR_BIN/KDR270Setup.exe

wrestool -l "$exe" > resources.txt
for entry in "--type=5 --name=102 --language=2052 " "--type=14 --name=128 " \
  "--type=24 --name=1 " "--type=16 --name=1 "; do
  grep -qF -- "$entry" resources.txt || kdr_fail "no resource $entry"
done

# Administrator rights, DPI awareness, Vista to 10, and the classic controls.
wrestool -x --raw --type=24 --name=1 "$exe" > manifest.xml
for wanted in 'level="requireAdministrator"' 'uiAccess="false"' '>true</dpiAware>' \
  '{e2011457-1546-43c5-a5fe-008deee3d3f0}' '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' \
  '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' \
  '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
  grep -qF -- "$wanted" manifest.xml || kdr_fail "manifest lacks $wanted"
done
if grep -qi 'Common-Controls' manifest.xml; then kdr_fail "manifest asks for common controls 6"; fi

# The version strings are UTF-16: without their zero bytes they read as ASCII.
wrestool -x --raw --type=16 --name=1 "$exe" | tr -d '\000' > version.txt
for wanted in CompanyName ORVANT ProductName FileDescription FileVersion ProductVersion \
  "ORVANT KDR270 POS Printer Driver Setup"; do
  grep -qaF -- "$wanted" version.txt || kdr_fail "version information lacks $wanted"
done

# A receipt printer at 32 and 16 pixels; kept as a picture to look at.
wrestool -x --type=14 --name=128 "$exe" > icon128.ico
icotool -l icon128.ico > icon128.txt
grep -q -- '--width=32 --height=32' icon128.txt || kdr_fail "icon 128 has no 32 x 32 image"
grep -q -- '--width=16 --height=16' icon128.txt || kdr_fail "icon 128 has no 16 x 16 image"
convert 'icon128.ico[0]' -scale 400% icon128.png

# The template as Windows reads it, control by control.
kdr_robot template "$(winepath -w "$exe")" > template.txt || true
grep -qx 'template matches' template.txt || { grep -v '^ok ' template.txt >&2; kdr_fail "dialog 102 differs"; }
