#!/usr/bin/env bash
# Builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh cmake make g++ pkg-config libsdl2-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target schallausbreitung
exec build/shell/schallausbreitung
