#!/bin/sh
# Builds the game with warnings as errors and runs every test:
#   ./test.sh              the Debug build, then the check of the code's format
#   ./test.sh --sanitize   under AddressSanitizer and UBSan
#   ./test.sh --release    the optimised build, with the benchmarks and the picture program, by
#                          Clang: a second compiler catches code that holds only with GCC
set -eu
cd "$(dirname "$0")"
dir=build-test
flags="-DCMAKE_BUILD_TYPE=Debug"
packages="xvfb xauth xdotool openbox libx11-dev weston qt6-wayland"
case "${1:-}" in
"") ;;
--sanitize)
    dir=build-sanitize
    flags="$flags -DBURUNTSY_SANITIZE=ON"
    ;;
--release)
    dir=build-release-clang
    flags="-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release -DBURUNTSY_BENCHMARKS=ON"
    flags="$flags -DBURUNTSY_PICTURES=ON"
    packages="$packages clang libbenchmark-dev"
    ;;
*)
    echo "usage: $0 [--sanitize | --release]" >&2
    exit 2
    ;;
esac
# shellcheck disable=SC2086
scripts/deps.sh $packages
# shellcheck disable=SC2086
cmake -S . -B "$dir" -G Ninja $flags -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$dir"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(pwd)/tests/lsan.supp}"
# The leak check does not follow the dynamic TLS of loaded libraries: GCC 12's sanitizer runtime
# can misread where glibc puts those blocks, depending on where they happen to lie, and crash at
# the program's end ("Tracer caught signal 11"). Leaks are found all the same.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
[ -n "${1:-}" ] || scripts/check-format.sh
