#!/bin/sh
# Sets up, builds and runs the whole test suite with warnings as errors, then
# builds again under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# the core and window tests there (the windows offscreen; the end-to-end tests
# need the real program under X and stay with the first build).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERVAN_WERROR=ON
cmake --build build
(cd build && ctest --output-on-failure --timeout 600)

# Leaks fail the run too. Nothing is suppressed: the window tests show no
# leak of Qt's own under the offscreen platform.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DMERVAN_SANITIZE=ON -DMERVAN_WERROR=ON -DMERVAN_BUILD_BENCH=OFF
cmake --build build-sanitize
(cd build-sanitize &&
 ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
 ctest --output-on-failure --timeout 900 -j"$jobs" -L 'core|ui')
