#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the test suite under them; exits non-zero when a test fails or a
# sanitizer reports anything (memory errors, leaks, undefined behaviour).
# It takes well over 10 minutes on 2 cores, so it is not part of .ci/run:
#   bash scripts/sanitize.sh [BUILD_DIR]      # default: build-sanitize
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-sanitize}
jobs=$(nproc)
sanitizers="-fsanitize=address,undefined"

# Warnings are not errors here: the sanitizers make the compiler warn about
# code it cannot see through, which the normal build already checks.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORSALIMBRA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers"
cmake --build "$build" -j"$jobs"

# Every finding ends its test with a failure; child processes of the tests
# (the command line, forked writers) report theirs the same way.
# The leak checker's own reading of dynamic TLS crashes on this glibc once a
# plugin's thread-local storage has come and gone (the image window's tests
# show it). Without the interception, memory kept only in such storage could
# be reported as leaked, never missed; stacks and static TLS are still read.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
