#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The quick check while working: one Debug build (in build-check/) and the
# fast tests, those labelled unit and window but not slow. The whole gate,
# with the sanitizers, the fuzzer, the X11 and the slow tests, is
# tools/test.sh. Works on a fresh clone: what the build and the tests need
# is installed first (nothing, when all of it is there).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
# Includes run down the layers of docs/ARCHITECTURE.md, before anything is built.
python3 tools/check_layers
cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DMSS65_BUILD_BENCH=OFF >/dev/null
cmake --build build-check -j"$(nproc)"
cd build-check
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -L '^(unit|window)$' -LE '^slow$'
