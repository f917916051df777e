#!/usr/bin/env bash
# Shows that tools/check_includes.sh catches what it is for: on a copy of
# the tree, a sideways include, an include of a library not linked, and a
# file outside every library must each make it fail, and the tree as it is
# must pass.
#
#   tools/check_includes_selftest.sh [SOURCE_DIR]
set -u
root="${1:-$(dirname "$0")/..}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fresh() {
  rm -rf "$work/t"
  mkdir -p "$work/t"
  cp -r "$root/src" "$root/tools" "$root/CMakeLists.txt" "$work/t/"
}
fails=0
expect() { # expect pass|fail what
  local got=pass
  bash "$work/t/tools/check_includes.sh" "$work/t" >/dev/null || got=fail
  if [ "$got" != "$1" ]; then
    echo "expected the check to $1 with $2"
    fails=1
  fi
}
fresh
expect pass "the tree as it is"
fresh
echo '#include "packing/packwin.h"' >>"$work/t/src/apportion/census.cpp"
expect fail "apportion including packing (beside it)"
fresh
echo '#include "platform/dc.h"' >>"$work/t/src/docfile/binio.cpp"
expect fail "docfile including platform (not linked)"
fresh
echo '#include "app/kinds.h"' >>"$work/t/src/core/qmath.cpp"
expect fail "core including app (above it)"
fresh
touch "$work/t/src/stray.h"
expect fail "a header outside every library"
exit $fails
