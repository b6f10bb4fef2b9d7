#!/usr/bin/env bash
# Two clean builds of KDR270Setup.exe (windows preset, target KDR270Setup)
# give the same bytes. Each builds its own copy of the source tree, in
# folders of different depth, one with blanks in its path, at a different
# moment, under another time zone, locale, umask, SOURCE_DATE_EPOCH and job
# count. Neither folder may appear in the exe, its resource objects or the
# static archives. The exe of the build under test is compared too, when it
# was built from the same tree state with the same options.
#
#   reproducible.sh <source dir> <build dir under test> <minizip source dir>
#
# Writes the SHA-256 and the commit it belongs to into
# <build dir under test>/reproducible-build.txt.
set -euo pipefail
src=$(cd "$1" && pwd)
main=$(cd "$2" && pwd)
minizip=$(cd "$3" && pwd -P)

work=$(mktemp -d "${TMPDIR:-/tmp}/kdr-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
marker=$(basename "$work")
rm -f "$main/reproducible-build.txt"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The files of the tree as the build sees it: tracked and untracked, less
# what git ignores (build/), less what was deleted.
tree_files() {
  if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$src" ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do
        if [ -e "$src/$f" ] || [ -L "$src/$f" ]; then printf '%s\0' "$f"; fi
      done
  else
    (cd "$src" && find . \( -path ./build -o -path ./.git \) -prune -o \( -type f -o -type l \) -print0)
  fi
}
tree_files > "$work/files"

# A copy of the tree with the minizip sources where scripts/setup puts them.
snapshot() {
  local dest=$1
  mkdir -p "$dest/build/third_party/minizip"
  (cd "$src" && tar --null -T "$work/files" -cf -) | tar -xf - -C "$dest"
  cp -R "$minizip" "$dest/build/third_party/minizip/src"
}

# build <name> <source copy> <build dir> <jobs> <umask> [VAR=value ...]
build() {
  local name=$1 tree=$2 dir=$3 jobs=$4 mask=$5
  shift 5
  local log="$work/$name.log"
  echo "build $name: $dir ($*, umask $mask, -j$jobs)"
  if ! (cd "$tree" && umask "$mask" && env -u SOURCE_DATE_EPOCH "$@" \
          cmake --preset windows -B "$dir" && env -u SOURCE_DATE_EPOCH "$@" \
          cmake --build "$dir" --target KDR270Setup -j "$jobs") > "$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "build $name failed"
  fi
}

a_src="$work/a/src"
a_bin="$work/a/build"
b_src="$work/second copy/of the tree/src"
b_bin="$work/second copy/build dir"
snapshot "$a_src"
snapshot "$b_src"
build a "$a_src" "$a_bin" 2 022 TZ=UTC LC_ALL=C LANG=C
# SOURCE_DATE_EPOCH changes __DATE__ and __TIME__, so a use of them shows.
build b "$b_src" "$b_bin" 1 077 TZ=Asia/Shanghai LC_ALL=C.UTF-8 LANG=C.UTF-8 \
  SOURCE_DATE_EPOCH=315532800

# No folder of a build in what reaches the exe: the exe, the objects and
# resource objects of the exe, the static archives. Resources hold UTF-16.
leaks=0
check_paths() {
  local bin=$1 tree=$2 f
  while IFS= read -r -d '' f; do
    if { strings -a "$f"; strings -a -el "$f"; } |
        grep -F -e "$marker" -e "$tree" -e "$bin" -e "second copy" >/dev/null; then
      echo "build path inside ${f#"$work"/}:" >&2
      { strings -a "$f"; strings -a -el "$f"; } |
        grep -F -e "$marker" -e "second copy" | head -n 3 >&2
      leaks=1
    fi
  done < <(find "$bin" \( -name KDR270Setup.exe -o -name '*.obj' -o -name '*.res' \
                          -o -name '*.a' \) -type f -print0)
}
check_paths "$a_bin" "$a_src"
check_paths "$b_bin" "$b_src"
[ "$leaks" -eq 0 ] || fail "build paths reach the output"

# On a difference, name the intermediate files that differ too: they point
# at the step that is not reproducible.
explain() {
  local one=$1 two=$2 rel
  echo "$(cmp -l "$one/KDR270Setup.exe" "$two/KDR270Setup.exe" 2>/dev/null | wc -l) bytes differ" >&2
  (cd "$one" && find * -type f \( -name '*.obj' -o -name '*.res' -o -name '*.ico' \
      -o -name '*.zip' -o -name '*.DLL' -o -name '*.a' -o -path 'generated/*' \)) |
    sort | while IFS= read -r rel; do
      if [ -f "$two/$rel" ] && ! cmp -s "$one/$rel" "$two/$rel"; then
        echo "  differs too: $rel" >&2
      fi
    done
}

exe_a="$a_bin/KDR270Setup.exe"
exe_b="$b_bin/KDR270Setup.exe"
if ! cmp -s "$exe_a" "$exe_b"; then
  explain "$a_bin" "$b_bin"
  fail "the two clean builds differ"
fi
hash=$(sha256sum "$exe_a" | cut -d' ' -f1)
echo "two clean builds: byte-identical, SHA-256 $hash"

# The build under test: only when its options are those of a fresh
# windows preset and no file of the tree is newer than its exe.
cache_options() {
  grep -v -e '^//' -e '^#' -e '^$' -e ':INTERNAL=' -e ':STATIC=' "$1/CMakeCache.txt" |
    sed -e "s#$2#<build>#g" -e "s#$3#<source>#g" | sort
}
main_exe="$main/KDR270Setup.exe"
# Prints "yes" when no file of the source tree that the exe's build reads
# (the inputs ninja knows, the headers of its deps log, the configure
# files) is newer than the exe and no globbed folder gained or lost a file;
# else the reason. Reads the build's files and writes none of them.
main_is_current() {
  local f newer=""
  sed '/TOUCH_NOCREATE/d' "$main/CMakeFiles/VerifyGlobs.cmake" > "$work/globs.cmake" 2>/dev/null || true
  if [ -s "$work/globs.cmake" ] && cmake -P "$work/globs.cmake" 2>&1 | grep -q 'GLOB mismatch'; then
    echo "source files were added or removed since it was built"
    return
  fi
  { ninja -C "$main" -t inputs KDR270Setup build.ninja
    ninja -C "$main" -t deps | sed -n 's/^    //p'; } 2>/dev/null |
    sed -e "s/^'//" -e "s/'$//" | sort -u > "$work/inputs"
  [ -s "$work/inputs" ] || { echo "ninja lists no inputs"; return; }
  while IFS= read -r f; do
    case $f in /*) ;; *) f="$main/$f" ;; esac
    case $f in "$main"/*) continue ;; "$src"/*) ;; *) continue ;; esac
    if [ ! -e "$f" ] || [ "$f" -nt "$main_exe" ]; then
      newer=${f#"$src"/}
      break
    fi
  done < "$work/inputs"
  if [ -n "$newer" ]; then
    echo "$newer changed after it was built"
  else
    echo yes
  fi
}
compare_main=yes
if [ ! -f "$main_exe" ]; then
  compare_main="no exe in $main"
elif ! diff <(cache_options "$a_bin" "$a_bin" "$a_src") \
            <(cache_options "$main" "$main" "$src") > "$work/options.diff"; then
  compare_main="its options differ from the preset's: $(grep -c '^>' "$work/options.diff") entries"
  sed -n 's/^> /  /p' "$work/options.diff" | head -n 5
else
  compare_main=$(main_is_current)
fi
if [ "$compare_main" = yes ]; then
  if ! cmp -s "$exe_a" "$main_exe"; then
    explain "$a_bin" "$main"
    fail "$main_exe differs from the clean builds of the same tree"
  fi
  echo "build under test: byte-identical"
else
  echo "build under test not compared: $compare_main"
fi

# What the hash belongs to.
state="a tree outside git"
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  state="commit $(git -C "$src" rev-parse HEAD)"
  if [ -n "$(git -C "$src" status --porcelain)" ]; then
    state="$state with local changes"
  fi
fi
printf '%s  KDR270Setup.exe\nbuilt from %s\n' "$hash" "$state" > "$main/reproducible-build.txt"
echo "KDR270Setup.exe SHA-256 $hash, built from $state"
