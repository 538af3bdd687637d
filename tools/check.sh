#!/usr/bin/env bash
# Builds everything and runs the whole test suite: the unit and headless program tests, the soak
# and the tests in a real window under Xvfb; the same suite again built with Clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, with a minute of fuzzing; and the threaded parts
# under ThreadSanitizer. Ends with CTest's summary of the main build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh cmake make g++ clang libclang-rt-14-dev pkg-config libsdl2-dev libx11-dev libgtest-dev \
  libgmock-dev libbenchmark-dev libpng-dev libxtst-dev xvfb xauth xdotool x11-apps x11-xserver-utils openbox \
  desktop-file-utils dpkg-dev
jobs=$(nproc)

configure_and_build() {  # FOLDER [CMAKE ARGUMENTS...]
  local folder=$1
  shift
  cmake -S . -B "$folder" "$@" >/dev/null
  cmake --build "$folder" -j"$jobs"
}

echo "== AddressSanitizer and UndefinedBehaviorSanitizer (Clang), with fuzzing"
configure_and_build build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DSANITIZE=address \
  -DBUILD_TESTING=ON -DBUILD_BENCHMARKS=OFF -DSOAK_FRAMES=20000 -DWINDOW_SOAK_SECONDS=30
(cd build-asan && LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$jobs")

echo "== ThreadSanitizer (Clang): the threaded parts"
configure_and_build build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DSANITIZE=thread \
  -DBUILD_TESTING=ON -DBUILD_BENCHMARKS=OFF -DWINDOW_SOAK_SECONDS=30
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -L threads)

echo "== Release (GCC)"
configure_and_build build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DBUILD_BENCHMARKS=ON -DSOAK_FRAMES=100000 \
  -DWINDOW_SOAK_SECONDS=120
cd build
ctest --output-on-failure -j"$jobs"
