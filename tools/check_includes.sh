#!/usr/bin/env bash
# Checks that every source file includes only headers of its own library
# and of the libraries that library links, directly or through others, as
# CMakeLists.txt declares them (the quandel_library lines; the Qt front end
# and the program itself are declared below). Since a library never links
# one that links it back, no two folders can include each other.
#
#   tools/check_includes.sh [SOURCE_DIR]    prints each offending line; fails if any
set -u
root="${1:-$(dirname "$0")/..}"
src="$root/src"

declare -A lib_of_dir deps_of_lib
while IFS= read -r line; do
  # quandel_library(NAME DIRS d1 d2 DEPS quandel_x quandel_y)
  body="${line#*quandel_library(}"
  body="${body%%)*}"
  read -r -a words <<<"$body"
  lib="${words[0]}"
  mode=""
  deps=""
  for w in "${words[@]:1}"; do
    case "$w" in
      DIRS | DEPS) mode="$w" ;;
      *)
        if [ "$mode" = DIRS ]; then
          lib_of_dir["$w"]="$lib"
        elif [ "$mode" = DEPS ]; then
          deps+=" ${w#quandel_}"
        fi
        ;;
    esac
  done
  deps_of_lib["$lib"]="$deps"
done < <(grep -E '^[[:space:]]*quandel_library\(' "$root/CMakeLists.txt")

# Declared apart in CMakeLists.txt: the Qt front end and the program.
lib_of_dir[qt]=qt
deps_of_lib[qt]=" text platform"
deps_of_lib[main]=" app qt"

# Every library a library may include: itself and all it links.
declare -A reach
reach_of() {
  local lib="$1" d
  [ -n "${reach[$lib]+x}" ] && return
  reach["$lib"]=" $lib "
  for d in ${deps_of_lib[$lib]:-}; do
    reach_of "$d"
    reach["$lib"]+="${reach[$d]} "
  done
}

bad=0
while IFS= read -r file; do
  rel="${file#"$src"/}"
  if [ "$rel" = main.cpp ]; then
    from=main
  else
    from="${lib_of_dir[${rel%/*}]:-}"
    if [ "$rel" = "${rel%/*}" ] || [ -z "$from" ]; then
      echo "$rel: its folder belongs to no library in CMakeLists.txt"
      bad=1
      continue
    fi
  fi
  reach_of "$from"
  while IFS= read -r line; do
    n="${line%%:*}"
    inc="${line#*\"}"
    inc="${inc%%\"*}"
    # A header beside the file (no folder named) is the file's own library's.
    [ "$inc" = "${inc%/*}" ] && continue
    to="${lib_of_dir[${inc%/*}]:-}"
    if [ -z "$to" ]; then
      echo "$rel:$n: includes $inc, whose folder belongs to no library"
      bad=1
    elif [[ "${reach[$from]}" != *" $to "* ]]; then
      echo "$rel:$n: $from includes $inc of $to, which $from does not link"
      bad=1
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

if [ "$bad" -ne 0 ]; then
  echo "A file includes only its own library and the libraries it links (see CMakeLists.txt and docs/architecture.md)."
  exit 1
fi
echo "includes: every file includes only its own library and the libraries it links"
