#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# unit and scene tests, the same under AddressSanitizer and UBSan, the
# end-to-end tests under a virtual X server, and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

JOBS="$(nproc)"
XVFB=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

echo "== build: normal"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELGARUNE_TESTS=ON -DBELGARUNE_BENCH=ON >/dev/null
cmake --build build -j "$JOBS"

echo "== build: sanitizers"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBELGARUNE_SANITIZE=ON -DBELGARUNE_TESTS=ON -DBELGARUNE_BENCH=OFF >/dev/null
cmake --build build-asan -j "$JOBS"

echo "== tests: normal (unit, scene, end to end)"
"${XVFB[@]}" ctest --test-dir build --output-on-failure -j "$JOBS"

echo "== tests: sanitizers"
"${XVFB[@]}" ctest --test-dir build-asan --output-on-failure -j "$JOBS"

if ls fuzz/fuzz_*.cpp >/dev/null 2>&1; then
  echo "== fuzz"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELGARUNE_FUZZ=ON \
    -DBELGARUNE_TESTS=OFF -DBELGARUNE_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j "$JOBS" --target fuzzers
  ./scripts/run-fuzzers.sh build-fuzz/fuzz "${FUZZ_SECONDS:-25}"
fi
echo "== all tests passed"
