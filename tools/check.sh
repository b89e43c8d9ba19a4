#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The quick check while working: one Debug build (in build-check/) and the
# fast tests, those labelled unit and window. The whole gate, with the
# sanitizers, the fuzzer, the X11 and the slow tests, is tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DMSS65_BUILD_BENCH=OFF >/dev/null
cmake --build build-check -j"$(nproc)"
cd build-check
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -L '^(unit|window)$'
