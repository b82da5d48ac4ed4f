#!/usr/bin/env bash
# Builds the Debian package of Brelt: build-package/brelt_VERSION_ARCH.deb. Install it with
# `sudo apt install ./build-package/brelt_*.deb`.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh" dpkg-dev file # dpkg-shlibdeps finds the libraries' packages
cmake -S "$root" -B "$root/build-package" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELT_TESTS=OFF \
      -DBRELT_BENCH=OFF >/dev/null
cmake --build "$root/build-package" --parallel "$(nproc)"
(cd "$root/build-package" && cpack -G DEB)
ls "$root"/build-package/brelt_*.deb
