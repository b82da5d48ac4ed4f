#!/usr/bin/env bash
# Installs what is missing, builds Brelt and runs the whole test suite. With CI set, warnings are
# errors and the engine and chart algorithm tests run a second time under ASan and UBSan.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
jobs="$(nproc)"
status=0
(cd "$root/build" && ctest --output-on-failure --parallel "$jobs") || status=1

if [ -n "${CI:-}" ] || [ -n "${BRELT_SANITIZE:-}" ]; then
    echo "== Engine and chart algorithm tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DBRELT_SANITIZE=ON -DBRELT_WITH_GUI=OFF -DBRELT_BENCH=OFF -DBRELT_WERROR=ON >/dev/null
    cmake --build "$root/build-asan" --parallel "$jobs"
    (cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure --parallel "$jobs") || status=1
fi
exit $status
