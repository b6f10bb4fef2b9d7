# shellcheck shell=bash
# How Wine is run here, decided in one place. Sourced by run-case.sh,
# prepare-prefix.sh and scripts/run.
#
# Some kernels run no 32-bit Linux program. There Wine's 32-bit loader
# (/usr/lib/wine/wine) fails with "Exec format error", and /usr/bin/wine,
# wineboot and regedit go through it even for a win64 prefix; only the
# 64-bit loader (/usr/lib/wine/wine64) runs, and only 64-bit Windows
# programs with it. So:
#   kdr_wine_probe       asks once whether 32-bit programs run (KDR_WINE32
#                        yes/no, KDR_WINE32_WHY), prints one line, and
#                        exports the answer for the processes below;
#                        KDR_NO_32BIT=1 forces "no".
#   kdr_wine_select A P  picks the loader for programs of architecture A
#                        (x86, x64) in a prefix P (win32, win64) and puts
#                        wine-bin/ first in PATH, so that wine, wineboot,
#                        winecfg, winepath, regedit and wineserver, and
#                        "wine reg" and "wine cmd", all use it. Fails with
#                        the reason in KDR_WINE_WHY when it cannot run there.
#   kdr_seconds N        N seconds on this machine's time scale
#                        (KDR_TIME_SCALE, default 1; 2 doubles every limit).

kdr_wine32_loader=/usr/lib/wine/wine
kdr_wine64_loader=/usr/lib/wine/wine64
export KDR_WINESERVER=/usr/lib/wine/wineserver
kdr_wine_bin=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-bin

# N seconds times KDR_TIME_SCALE, rounded up; every limit of the harness
# goes through here.
kdr_seconds() {
  awk -v n="$1" -v s="${KDR_TIME_SCALE:-1}" \
    'BEGIN { if (s !~ /^[0-9]+(\.[0-9]+)?$/ || s <= 0) s = 1; v = n * s; r = int(v); if (r < v) r++; print r }'
}

# Runs loader $1 with --version, bounded; prints its first line of output.
# Started by bash itself: a program the kernel cannot run then fails with
# "Exec format error" (126), where execvp would hand it to sh.
kdr_wine_try() {
  local out status=0
  out=$(timeout 20 bash -c 'exec "$0" --version' "$1" 2>&1) || status=$?
  printf '%s\n' "${out%%$'\n'*}"
  return "$status"
}

kdr_wine_probe() {
  # The answer of a parent process stands, unless KDR_NO_32BIT overrules it.
  if [ -n "${KDR_WINE32:-}" ] && [ -n "${KDR_WINE64:-}" ] &&
    ! { [ "${KDR_NO_32BIT:-0}" = 1 ] && [ "$KDR_WINE32" = yes ]; }; then
    return 0
  fi
  local out status=0 version=
  KDR_WINE64=yes KDR_WINE64_WHY=
  if [ ! -x "$kdr_wine64_loader" ]; then
    KDR_WINE64=no
    KDR_WINE64_WHY="Wine's 64-bit loader $kdr_wine64_loader is not installed (package wine64; scripts/setup installs it)"
  else
    out=$(kdr_wine_try "$kdr_wine64_loader") || status=$?
    if [ "$status" -ne 0 ]; then
      KDR_WINE64=no
      KDR_WINE64_WHY="Wine's 64-bit loader $kdr_wine64_loader does not start (exit $status: $out); reinstall wine64 (scripts/setup)"
    fi
  fi
  KDR_WINE32=yes KDR_WINE32_WHY=
  if [ "${KDR_NO_32BIT:-0}" = 1 ]; then
    KDR_WINE32=no
    KDR_WINE32_WHY="KDR_NO_32BIT=1 says so"
  elif [ ! -x "$kdr_wine32_loader" ]; then
    KDR_WINE32=no
    KDR_WINE32_WHY="Wine's 32-bit loader $kdr_wine32_loader is not installed (package wine32:i386; scripts/setup installs it)"
  else
    status=0
    version=$(kdr_wine_try "$kdr_wine32_loader") || status=$?
    if [ "$status" -ne 0 ]; then
      KDR_WINE32=no
      if [ "$status" = 126 ] || [[ $version == *"Exec format error"* ]]; then
        KDR_WINE32_WHY="this kernel runs no 32-bit program ($kdr_wine32_loader: Exec format error)"
      else
        KDR_WINE32_WHY="$kdr_wine32_loader --version failed (exit $status: $version)"
      fi
    fi
  fi
  export KDR_WINE32 KDR_WINE32_WHY KDR_WINE64 KDR_WINE64_WHY
  if [ "$KDR_WINE32" = yes ]; then
    echo "wine: 32-bit programs run here ($kdr_wine32_loader: $version); the 32-bit exe and the 64-bit build can both run"
  else
    echo "wine: 32-bit programs cannot run here: $KDR_WINE32_WHY; only the 64-bit build can run"
  fi
  if [ "$KDR_WINE64" = no ]; then echo "wine: $KDR_WINE64_WHY"; fi
}

kdr_wine_select() {
  local arch=$1 prefix=$2
  kdr_wine_probe >/dev/null
  KDR_WINE_WHY=
  case $arch in
    x86)
      if [ "$KDR_WINE32" != yes ]; then
        KDR_WINE_WHY="32-bit programs cannot run here: $KDR_WINE32_WHY"
        return 1
      fi
      # In a win64 prefix too: "wine reg" and "wine cmd" are then 32-bit
      # and see the registry as the 32-bit installer does.
      KDR_WINE_LOADER=$kdr_wine32_loader
      ;;
    x64)
      if [ "$prefix" != win64 ]; then
        KDR_WINE_WHY="a 64-bit program runs in a win64 prefix only, not in $prefix"
        return 1
      fi
      KDR_WINE_LOADER=$kdr_wine64_loader
      ;;
    *)
      KDR_WINE_WHY="unknown program architecture $arch"
      return 1
      ;;
  esac
  # A win64 prefix runs on the 64-bit loader, whatever starts in it.
  if [ "$prefix" = win64 ] && [ "$KDR_WINE64" != yes ]; then
    KDR_WINE_WHY=$KDR_WINE64_WHY
    return 1
  fi
  KDR_WINESERVER_WAIT=$(kdr_seconds 60)
  export KDR_WINE_LOADER KDR_WINESERVER_WAIT
  case :$PATH: in
    *:"$kdr_wine_bin":*) ;;
    *) export PATH=$kdr_wine_bin:$PATH ;;
  esac
}

# The architecture of PE image $1: x86, x64, or nothing when it is neither.
kdr_pe_arch() {
  local offset machine
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 1
  [ -n "$offset" ] || return 1
  machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case $machine in
    014c) echo x86 ;;
    8664) echo x64 ;;
    *) return 1 ;;
  esac
}
