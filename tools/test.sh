#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: under
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), a short
# fuzzing run of the code-book loader (build-fuzz/), and last the build for
# use (build/), whose run includes the memory checker.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
python3 tools/check_layers

# Leaks are left to the memory-checker run of build/: the toolkit's
# allocations that live until exit would drown the report here.
cmake -S . -B build-asan -DMSS65_SANITIZE=ON -DMSS65_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-asan -j"$(nproc)"
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$(nproc)")

# A fresh working corpus each time, so that repeated runs do not pile up inputs.
rm -rf build-fuzz/corpus-short
MSS65_FUZZ_CORPUS=build-fuzz/corpus-short bash tests/fuzz/run.sh 30

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMSS65_BUILD_TESTS=ON -DMSS65_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
