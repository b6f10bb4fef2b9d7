#!/usr/bin/env bash
# Where the start-up of KDR270Setup.exe goes under Wine, against the bare
# dialog program, phase by phase. Runs after a windows build:
#
#   bench/wine-startup-phases.sh <windows build dir> [runs, default 9]
#
# Each run takes a fresh copy of the win32 prefix of bench/wine-timings.sh
# with Wine's relay trace narrowed to a few calls that mark the phases
# (RelayInclude), and starts the program from tests/e2e/programs/timer.cpp.
# The marks:
#   t0        the timer's CreateProcessA
#   code      the program's first marked call (SetDllDirectoryA for the
#             installer, InitCommonControlsEx for the bare dialog)
#   shell     the installer object's ShellExecuteA, its call and return
#   dialog    DialogBoxParamA
#   init      WM_INITDIALOG at the dialog procedure, its call and return
#   ports     RegisterDeviceNotificationA (after the texts, the address
#             reset and the USB list)
#   unpack    GetTempPathA (the start of the unpacking)
#   visible   the timer's first IsWindowEnabled that answers TRUE (it asks
#             only once the dialog is visible)
# The trace prints every window message as well, which slows the dialog's
# creation a little in both programs; the figures are for comparing the
# phases, bench/wine-timings.sh gives the untraced totals. Prints the median
# of every phase in ms (Wine's timestamps have 1 ms steps).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:?usage: wine-startup-phases.sh <windows build dir> [runs]}" && pwd)
runs=${2:-9}
[ "$runs" -ge 5 ] || { echo "wine-startup-phases: at least 5 runs" >&2; exit 2; }
for exe in KDR270Setup.exe bare_dialog.exe timer.exe; do
  [ -f "$bin/$exe" ] || { echo "wine-startup-phases: $bin/$exe missing: build the windows preset" >&2; exit 2; }
done

work=$bin/wine-phases
base=$bin/wine-timings/base-win32
traced=$work/base-traced
out=$work/out
rm -rf "$out" "$work/run"
mkdir -p "$out"
"$root/tests/e2e/prepare-prefix.sh" win32 "$base"

export WINEARCH=win32
export LANG=C.UTF-8 LC_ALL=C.UTF-8

. "$root/bench/wine-bench.sh"
kdr_bench_start "${KDR_PHASES_KEEP:-0}" 170

marks='KERNEL32.CreateProcessA;user32.IsWindowEnabled;KERNEL32.SetDllDirectoryA;comctl32.InitCommonControlsEx;shell32.ShellExecuteA;user32.DialogBoxParamA;user32.RegisterDeviceNotificationA;KERNEL32.GetTempPathA'
if [ ! -f "$traced/.kdr-traced" ] || [ "$(cat "$traced/.kdr-traced")" != "$marks" ]; then
  rm -rf "$traced"
  cp -a "$base" "$traced"
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Debug]\n"RelayInclude"="%s"\n' "$marks" > "$traced/kdr-relay.reg"
  WINEPREFIX=$traced WINEDEBUG=-all wine regedit /S "$traced/kdr-relay.reg" >/dev/null 2>&1
  WINEPREFIX=$traced wineserver -w
  # regedit /S answers 0 even when it read nothing: look.
  grep -q 'RelayInclude' "$traced/user.reg" || { echo "wine-startup-phases: the relay filter was not stored" >&2; exit 1; }
  printf '%s' "$marks" > "$traced/.kdr-traced"
fi

# run <name> <exe>: one traced start, its marks as "mark ms-from-t0" lines.
run() {
  local name=$1 exe=$2
  cp -a "$traced" "$work/run"
  export WINEPREFIX=$work/run
  if ! WINEDEBUG=+timestamp,+relay timeout 120 wine "$bin/timer.exe" start "$(winpath "$bin/$exe")" \
      > "$out/$name.timer" 2> "$out/$name.trace"; then
    echo "wine-startup-phases: timer failed for $exe:" >&2
    grep -a '^timer:' "$out/$name.trace" >&2 || true
  fi
  kdr_bench_drop_run
  local first=SetDllDirectoryA
  [ "$exe" = bare_dialog.exe ] && first=InitCommonControlsEx
  # The program's main thread is the one that makes its first marked call
  # after the timer's CreateProcessA; later marks are taken from it only.
  awk -v first="$first" '
    function ms(line) { split(line, f, ":"); return f[1] * 1000 }
    function thread(line) { split(line, f, ":"); return f[2] }
    function mark(name, line) { if (!(name in seen)) { seen[name] = 1; printf "%s %.0f\n", name, ms(line) - t0 } }
    !started && /:Call KERNEL32\.CreateProcessA\(/ { t0 = ms($0); timer = thread($0); started = 1; next }
    !started { next }
    thread($0) == timer && /:Ret  user32\.IsWindowEnabled\(\) retval=00000001/ { mark("visible", $0); next }
    tid == "" && index($0, ":Call ") && (index($0, "." first "(") || index($0, "." first " ")) { tid = thread($0); mark("code", $0); next }
    tid == "" || thread($0) != tid { next }
    /:Call shell32\.ShellExecuteA\(/ { mark("shell-call", $0); next }
    /:Ret  shell32\.ShellExecuteA\(/ { mark("shell-return", $0); next }
    /:Call user32\.DialogBoxParamA\(/ { mark("dialog", $0); next }
    /:Call (dialog|window) proc .*msg=WM_INITDIALOG/ { mark("init-call", $0); next }
    /:Ret  dialog proc .*msg=WM_INITDIALOG/ { mark("init-return", $0); next }
    /:Call user32\.RegisterDeviceNotificationA\(/ { mark("ports", $0); next }
    /:Call KERNEL32\.GetTempPathA\(/ { mark("unpack", $0); next }
  ' "$out/$name.trace" > "$out/$name.marks"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "-"; exit }
    if (NR % 2) printf "%.0f\n", v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# span <prefix> <from mark> <to mark>: the phase of every run, its median.
span() {
  local prefix=$1 from=$2 to=$3 f
  for f in "$out/$prefix"-*.marks; do
    awk -v from="$from" -v to="$to" '
      { at[$1] = $2 }
      END { if ((from in at) && (to in at)) print at[to] - at[from] }' "$f"
  done | median
}

for i in $(seq "$runs"); do
  run "bare-$i" bare_dialog.exe
  run "setup-$i" KDR270Setup.exe
  echo "run $i of $runs done" >&2
done

# t0 is a mark of its own: every span from it starts at 0.
for f in "$out"/*.marks; do sed -i '1i t0 0' "$f"; done

row() { printf '  %-44s %12s %12s\n' "$1" "$2" "$3"; }
echo "Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), win32 prefix, relay trace on the marks, $runs runs each, medians in ms:"
row "phase" "bare dialog" "KDR270Setup"
row "process start to the program's code" "$(span bare t0 code)" "$(span setup t0 code)"
row "start-up before the spooler request" "-" "$(span setup code shell-call)"
row "ShellExecuteA net start spooler" "-" "$(span setup shell-call shell-return)"
row "program's code to DialogBoxParamA" "$(span bare code dialog)" "$(span setup code dialog)"
row "dialog creation, to WM_INITDIALOG" "$(span bare dialog init-call)" "$(span setup dialog init-call)"
row "texts, address reset, USB list" "-" "$(span setup init-call ports)"
row "notice registration" "-" "$(span setup ports unpack)"
row "unpacking" "-" "$(span setup unpack init-return)"
row "WM_INITDIALOG in all" "$(span bare init-call init-return)" "$(span setup init-call init-return)"
row "after WM_INITDIALOG, to visible and enabled" "$(span bare init-return visible)" "$(span setup init-return visible)"
row "process start to visible and enabled" "$(span bare t0 visible)" "$(span setup t0 visible)"
