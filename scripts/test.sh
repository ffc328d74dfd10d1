#!/bin/sh
# Sets up, builds and runs the whole test suite, then the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
(cd build && ctest --output-on-failure --timeout 600)

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DMERVAN_SANITIZE=ON -DMERVAN_CORE_ONLY=ON -DMERVAN_BUILD_BENCH=OFF
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure --timeout 900 -L core)
