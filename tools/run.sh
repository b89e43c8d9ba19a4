#!/usr/bin/env bash
# Installs what is missing, builds МСС-65 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target mss65
exec ./build/app/mss65
