#!/bin/sh
# Checks that every C++ source of the project follows .clang-format: prints each difference and
# fails if there is one. `clang-format -i FILE...` mends them.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh clang-format
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "Not a git checkout: the format check is skipped"
    exit 0
fi
# The files git knows or would add, so that build folders and generated code stay out.
git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    xargs clang-format --dry-run --Werror
echo "Format checked"
