#!/usr/bin/env bash
# Configures and builds Brelt in build/ (Release). With CI set, warnings are errors.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELT_WERROR=$werror >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"
