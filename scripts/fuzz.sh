#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) in build-fuzz/ and runs them.
#   scripts/fuzz.sh TARGET SECONDS   fuzz one target for that long (its findings go to build-fuzz/findings/)
#   scripts/fuzz.sh all SECONDS      each target in turn for that long
#   scripts/fuzz.sh regression       every seed and kept input of tests/fuzz/corpus once, as test cases
#   scripts/fuzz.sh list             the targets
# The corpus the runs grow is build-fuzz/corpus/TARGET; the seeds in tests/fuzz/corpus/TARGET stay as
# they are. A finding worth keeping is copied into tests/fuzz/corpus/TARGET once mended.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seeds="$root/tests/fuzz/corpus"
targets=(settings history user_variables variables_file user_functions constants chart_text)

usage() {
    sed -n '2,9p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    exit 2
}

[ $# -ge 1 ] || usage
if [ "$1" = list ]; then
    printf '%s\n' "${targets[@]}"
    exit 0
fi
"$root/scripts/deps.sh"
cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null

# Inputs a few hundred kilobytes long and a time limit per input: a loader that is not linear in
# its input's size shows up as a timeout.
options=(-max_len=262144 -timeout=20 -rss_limit_mb=2560 -print_final_stats=1)
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

fuzz_one() {
    local target="$1" seconds="$2"
    mkdir -p "$build/corpus/$target" "$build/findings/$target"
    echo "== fuzz_$target for ${seconds}s"
    (cd "$build/findings/$target" &&
        "$build/fuzz_$target" "${options[@]}" -max_total_time="$seconds" \
            -artifact_prefix="$build/findings/$target/" "$build/corpus/$target" "$seeds/$target")
}

regression() {
    local status=0
    for target in "${targets[@]}"; do
        echo "== fuzz_$target: $(find "$seeds/$target" -type f | wc -l) kept inputs"
        "$build/fuzz_$target" -timeout=20 -rss_limit_mb=2560 "$seeds/$target"/* >/dev/null 2>"$build/$target.log" ||
            { cat "$build/$target.log"; status=1; }
    done
    return $status
}

case "$1" in
regression) regression ;;
all)
    [ $# -eq 2 ] || usage
    for target in "${targets[@]}"; do fuzz_one "$target" "$2"; done
    ;;
*)
    [ $# -eq 2 ] || usage
    known=0
    for target in "${targets[@]}"; do [ "$target" = "$1" ] && known=1; done
    [ $known -eq 1 ] || { echo "no target $1 (scripts/fuzz.sh list)"; exit 2; }
    fuzz_one "$1" "$2"
    ;;
esac
