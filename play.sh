#!/bin/sh
# Builds the game and starts it.
set -eu
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBURUNTSY_TESTS=OFF >/dev/null
cmake --build build-release --target buruntsy
exec build-release/app/buruntsy "$@"
