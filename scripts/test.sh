#!/usr/bin/env bash
# Installs what is missing, builds Brelt and runs the whole test suite. With CI set, warnings are
# errors, the engine and chart algorithm tests run a second time under ASan and UBSan, and the fuzz
# targets of every file Brelt reads are built, run over their kept inputs and fuzzed a few seconds
# each (BRELT_FUZZ_SECONDS, default 10).
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
if [ -n "${CI:-}" ] || [ -n "${BRELT_FUZZ_SECONDS:-}" ]; then
    echo "== Fuzz targets: the kept inputs, then ${BRELT_FUZZ_SECONDS:-10} s each"
    "$root/scripts/fuzz.sh" regression || status=1
    for target in $("$root/scripts/fuzz.sh" list); do
        "$root/scripts/fuzz.sh" "$target" "${BRELT_FUZZ_SECONDS:-10}" >"$root/build-fuzz/$target.run.log" 2>&1 ||
            { tail -n 60 "$root/build-fuzz/$target.run.log"; status=1; }
        grep -E '^Done|cov:' "$root/build-fuzz/$target.run.log" | tail -n 1 || true
    done
fi
exit $status
