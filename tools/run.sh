#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need, builds МСС-65 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMSS65_BUILD_TESTS=OFF -DMSS65_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)" --target mss65
exec ./build/app/mss65 "$@"
