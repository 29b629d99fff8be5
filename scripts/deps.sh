#!/bin/sh
# Installs the Debian packages the build and the tests need, when they are missing.
set -eu
packages="cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
fonts-liberation2 fonts-dejavu-core $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q >/dev/null || true
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
