#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libsqlite3-dev xvfb xauth desktop-file-utils fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
