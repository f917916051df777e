#!/usr/bin/env bash
# Checks that the source folders depend downwards only: a folder includes its
# own headers and those of folders below it, never one beside or above it,
# so no two folders can include each other. The levels follow the libraries
# in CMakeLists.txt (docs/architecture.md draws them).
#
#   tools/check_includes.sh [SOURCE_DIR]    prints each offending line; fails if any
set -u
src="${1:-$(dirname "$0")/..}/src"

# The level of a folder of src/ (packing/core and graphs/core hold the
# plain bin-packing and graph types).
level() {
  case "$1" in
    core) echo 0 ;;
    platform) echo 1 ;;
    resources | docfile) echo 2 ;;
    shell | packing/core | graphs/core) echo 3 ;;
    text) echo 4 ;;
    graphics | graphics/*) echo 5 ;;
    power | packing | graphs) echo 6 ;;
    apportion) echo 7 ;;
    app | qt) echo 8 ;;
    main) echo 9 ;;
    *) echo "" ;;
  esac
}

# The folder an include names: "packing/core/bpafile.h" -> packing/core.
folder_of_include() {
  case "$1" in
    packing/core/*) echo packing/core ;;
    graphs/core/*) echo graphs/core ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

bad=0
while IFS= read -r file; do
  rel="${file#"$src"/}"
  case "$rel" in
    main.cpp) from=main ;;
    packing/core/*) from=packing/core ;;
    graphs/core/*) from=graphs/core ;;
    */*) from="${rel%/*}" ;;
  esac
  from_level=$(level "$from")
  if [ -z "$from_level" ]; then
    echo "$rel: folder $from has no level in tools/check_includes.sh"
    bad=1
    continue
  fi
  while IFS= read -r line; do
    n="${line%%:*}"
    inc="${line#*\"}"
    inc="${inc%%\"*}"
    to=$(folder_of_include "$inc")
    [ -z "$to" ] && continue
    [ "$to" = "$from" ] && continue
    [ "${from%%/*}" = graphics ] && [ "$to" = graphics ] && continue
    to_level=$(level "$to")
    if [ -z "$to_level" ] || [ "$to_level" -ge "$from_level" ]; then
      echo "$rel:$n: $from includes $inc (level ${to_level:-?} is not below ${from_level})"
      bad=1
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

if [ "$bad" -ne 0 ]; then
  echo "Folders must include only folders below them (see docs/architecture.md)."
  exit 1
fi
echo "include directions: every folder includes only folders below it"
