#!/usr/bin/env bash
# Installs the Debian packages Brelt needs to build and test, when any is missing.
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          poppler-utils
          groff-base desktop-file-utils appstream # the installed program's test (tests/install)
          clang-14 libfuzzer-14-dev libclang-rt-14-dev # these three: the fuzz targets (tests/fuzz)
          "$@") # what a caller needs besides (scripts/package.sh: the packaging tools)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
