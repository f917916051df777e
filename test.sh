#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite without a
# display: first the release build, then a short libFuzzer run over the file
# readers, then a build with the address and undefined-behaviour sanitizers
# (skip the last two with QUANDEL_SKIP_SANITIZE=1).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
quandel_install_packages
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
quandel_build build
if [ "${QUANDEL_SKIP_SANITIZE:-0}" != 1 ]; then
  (cd build && ctest --output-on-failure --timeout 600 -j"$(nproc)")
  # A short libFuzzer run over the file readers (clang, with the sanitizers).
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DQUANDEL_FUZZ=ON \
    -DQUANDEL_WITH_QT=OFF -DQUANDEL_BENCH=OFF >/dev/null
  cmake --build build-fuzz --target fuzz_hor fuzz_bnz fuzz_settings fuzz_bpa fuzz_paste fuzz_vot fuzz_gra \
    fuzz_graph_paste fuzz_grs fuzz_task_paste fuzz_graph6 fuzz_digraph6 fuzz_sparse6 fuzz_lcf fuzz_g6collection \
    fuzz_valences fuzz_bouwkamp fuzz_bou quandel_fuzz_corpus -j"$(nproc)"
  (cd build-fuzz && ctest --output-on-failure --timeout 600 -j"$(nproc)" -R '^fuzz\.')
  quandel_build build-sanitize -DQUANDEL_SANITIZE=ON -DQUANDEL_WITH_QT=OFF -DQUANDEL_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd build-sanitize && ctest --output-on-failure --timeout 1200 -j"$(nproc)"
else
  cd build && ctest --output-on-failure --timeout 600 -j"$(nproc)"
fi
