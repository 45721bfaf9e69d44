#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the full build (workbench, core, tav2-cli) and a core-only build under
# AddressSanitizer and UndefinedBehaviorSanitizer. Among the tests of both
# builds, "install" installs into a temporary prefix and runs the installed
# tav2-cli.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
jobs=$(nproc)
tools/check-format.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAV2_WERROR=ON
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DTAV2_GUI=OFF -DCMAKE_BUILD_TYPE=Debug -DTAV2_WERROR=ON \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
echo "All tests passed."
