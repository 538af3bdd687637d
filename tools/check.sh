#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the unit and headless program tests, and the
# tests in a real window under Xvfb. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh cmake make g++ pkg-config libsdl2-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev \
  libpng-dev xvfb xauth xdotool x11-apps x11-xserver-utils
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
