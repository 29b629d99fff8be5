#!/bin/sh
# Builds the game with warnings as errors, runs every test and checks the code's format. With
# --sanitize, the tests under AddressSanitizer and UBSan.
set -eu
cd "$(dirname "$0")"
dir=build-test
flags="-DCMAKE_BUILD_TYPE=Debug"
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    flags="$flags -DBURUNTSY_SANITIZE=ON"
fi
scripts/deps.sh xvfb xauth xdotool libx11-dev
# shellcheck disable=SC2086
cmake -S . -B "$dir" -G Ninja $flags -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$dir"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(pwd)/tests/lsan.supp}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
[ -n "${1:-}" ] || scripts/check-format.sh
