#!/usr/bin/env bash
# Start-up and Install times of KDR270Setup.exe under Wine, against a bare
# dialog program measured in the same run. Runs after a windows build:
#
#   bench/wine-timings.sh <windows build dir> [runs, default 11]
#
# Every measurement gets a fresh copy of a prepared win32 prefix (deleted
# after it; the base stays in <build dir>/wine-timings/base-win32 for the
# next run) and is taken by tests/e2e/programs/timer.cpp from inside Wine,
# which starts the clock on a settled desktop:
#   - start-up: from CreateProcess until dialog 102 is visible and enabled,
#     for bare_dialog.exe (dialog 102 and nothing else: the baseline) and
#     for KDR270Setup.exe;
#   - the same for KDR270Setup.exe in a copy without net.exe: the
#     installer object's "net start spooler" request still runs the shell's
#     search, but starts no program, so the difference shows what net.exe
#     and its console host, started beside the dialog on every run, cost;
#   - Install: serial connection, COM1: selected, from the click on Install
#     until the message box shows, beside the 333 ms of fixed pauses in the
#     installation (3 x 111 ms).
# Prints the medians, the installer's start-up beyond the baseline and the
# ratio, and the goals: start-up at most 50 ms beyond the bare dialog,
# Install at most 150 ms beyond the fixed pauses. WINEDEBUG passes through
# (default -all); KDR_TIMINGS_KEEP=1 keeps the timer's output files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:?usage: wine-timings.sh <windows build dir> [runs]}" && pwd)
runs=${2:-11}
[ "$runs" -ge 5 ] || { echo "wine-timings: at least 5 runs" >&2; exit 2; }
for exe in KDR270Setup.exe bare_dialog.exe timer.exe robot.exe; do
  [ -f "$bin/$exe" ] || { echo "wine-timings: $bin/$exe missing: build the windows preset" >&2; exit 2; }
done

work=$bin/wine-timings
base=$work/base-win32
out=$work/out
rm -rf "$out" "$work/run"
mkdir -p "$out"
"$root/tests/e2e/prepare-prefix.sh" win32 "$base"

export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# UI language 1033: the English texts.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

. "$root/bench/wine-bench.sh"
kdr_bench_start "${KDR_TIMINGS_KEEP:-0}" 150

# measure <output file> <timer arguments...>: one timer run in a fresh copy.
# KDR_NO_NET=1 takes net.exe out of the copy.
measure() {
  local file=$1
  shift
  cp -a "$base" "$work/run"
  export WINEPREFIX=$work/run
  if [ "${KDR_NO_NET:-0}" = 1 ]; then
    rm -f "$work/run/drive_c/windows/system32/net.exe"
    [ ! -e "$work/run/drive_c/windows/system32/net.exe" ] || { echo "wine-timings: net.exe stays" >&2; exit 1; }
  fi
  if ! timeout 120 wine "$bin/timer.exe" "$@" > "$file" 2> "$file.err"; then
    echo "wine-timings: timer $* failed:" >&2
    cat "$file.err" >&2
  fi
  kdr_bench_drop_run
}

# value <name> <files...>: the figures of one kind, one a line.
value() {
  local name=$1
  shift
  awk -v name="$name" '$1 == name { print $2 }' "$@"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "none"; exit }
    if (NR % 2) printf "%.1f\n", v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

list() { tr '\n' ' ' | sed 's/ $//'; }

minimum() { sort -n | head -n 1; }

# The installer's start-up less the baseline's of the same run, per run:
# the two ran back to back, so a busy phase of the machine hits both.
paired_beyond() {
  local kind=${1:-setup} i a b
  for i in $(seq "$runs"); do
    a=$(value dialog-ms "$out/$kind-$i.txt")
    b=$(value dialog-ms "$out/bare-$i.txt")
    [ -n "$a" ] && [ -n "$b" ] && awk -v a="$a" -v b="$b" 'BEGIN { printf "%.1f\n", a - b }'
  done
}

load_start=$(cut -d' ' -f1-3 /proc/loadavg)
bare=$(winpath "$bin/bare_dialog.exe")
setup=$(winpath "$bin/KDR270Setup.exe")
# The baseline is only one when it shows the exe's own template.
cp -a "$base" "$work/run"
WINEPREFIX=$work/run timeout 60 wine "$bin/robot.exe" template "$bare" > "$out/template.txt" 2>&1 || true
kdr_bench_drop_run
if ! grep -q '^template matches' "$out/template.txt"; then
  echo "wine-timings: bare_dialog.exe does not hold dialog 102 as described:" >&2
  cat "$out/template.txt" >&2
  exit 1
fi

for i in $(seq "$runs"); do
  # Alternating, so a slow phase of the machine hits both alike.
  measure "$out/bare-$i.txt" start "$bare"
  measure "$out/setup-$i.txt" start "$setup"
  KDR_NO_NET=1 measure "$out/nonet-$i.txt" start "$setup"
  measure "$out/install-$i.txt" install "$setup" 1007 COM1:
  echo "run $i of $runs done" >&2
done

bare_ms=$(value dialog-ms "$out"/bare-*.txt | median)
setup_ms=$(value dialog-ms "$out"/setup-*.txt | median)
nonet_ms=$(value dialog-ms "$out"/nonet-*.txt | median)
install_ms=$(value install-ms "$out"/install-*.txt | median)
for figure in "$bare_ms" "$setup_ms" "$nonet_ms" "$install_ms"; do
  [ "$figure" != none ] || { echo "wine-timings: a measurement gave no figure" >&2; exit 1; }
done

verdict() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v <= goal) ? "met" : "MISSED" }'; }
beyond=$(awk -v a="$setup_ms" -v b="$bare_ms" 'BEGIN { printf "%+.1f", a - b }')
ratio=$(awk -v a="$setup_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')
nonet_beyond=$(awk -v a="$nonet_ms" -v b="$bare_ms" 'BEGIN { printf "%+.1f", a - b }')
children=$(awk -v a="$setup_ms" -v b="$nonet_ms" 'BEGIN { printf "%+.1f", a - b }')
pauses=333
install_beyond=$(awk -v a="$install_ms" -v p="$pauses" 'BEGIN { printf "%+.1f", a - p }')

echo "Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), win32 prefix, $runs runs each, medians" \
  "(load average at start $load_start, at end $(cut -d' ' -f1-3 /proc/loadavg)):"
echo "  bare dialog (baseline), to a usable dialog: $bare_ms ms  [$(value dialog-ms "$out"/bare-*.txt | list)]"
echo "  KDR270Setup.exe, to a usable dialog:        $setup_ms ms  [$(value dialog-ms "$out"/setup-*.txt | list)]"
echo "  start-up beyond the baseline: $beyond ms, ratio $ratio (goal at most +50 ms: $(verdict "${beyond#+}" 50))"
echo "    median of the per-run differences $(paired_beyond | median) ms;" \
  "fastest runs: baseline $(value dialog-ms "$out"/bare-*.txt | minimum) ms," \
  "KDR270Setup.exe $(value dialog-ms "$out"/setup-*.txt | minimum) ms"
echo "  KDR270Setup.exe without net.exe:             $nonet_ms ms  [$(value dialog-ms "$out"/nonet-*.txt | list)]"
echo "    beyond the baseline: $nonet_beyond ms (median of the per-run differences $(paired_beyond nonet | median) ms);" \
  "so net.exe and its console host cost $children ms of the start-up"
echo "  Install on COM1:, click to message box:     $install_ms ms  [$(value install-ms "$out"/install-*.txt | list)]"
echo "  beyond the fixed pauses of $pauses ms: $install_beyond ms (goal at most +150 ms: $(verdict "${install_beyond#+}" 150));" \
  "fastest run $(value install-ms "$out"/install-*.txt | minimum) ms"
echo "  exit after Exit: KDR270Setup.exe $(value exit-ms "$out"/setup-*.txt | median) ms, bare dialog $(value exit-ms "$out"/bare-*.txt | median) ms"
echo "  message box: $(grep -h '^msgbox-text' "$out"/install-*.txt | sort | uniq -c | sed 's/^ *//')"
