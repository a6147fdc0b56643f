#!/usr/bin/env bash
# Builds everything with warnings as errors and runs the whole test suite;
# exits non-zero on any failure. Also proves that the core builds without Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build-core -DORSALIMBRA_WITHOUT_QT=ON -DORSALIMBRA_WERROR=ON -DORSALIMBRA_BUILD_BENCH=OFF
cmake --build build-core -j"$jobs" --target orsalimbra_core orsalimbra_render

cmake -S . -B build -DORSALIMBRA_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
