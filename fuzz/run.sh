#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each for the given number of seconds, one after the other.
#
# Usage: fuzz/run.sh [SECONDS] [TARGET...]     (default 600 seconds, every target)
#        fuzz/run.sh --seeds                   (rewrites the seed corpus in fuzz/corpus/)
#
# Each target starts from its seeds in fuzz/corpus/<target>/ and keeps what it finds in
# fuzz/corpus-work/<target>/ (not kept in the repository); an input that breaks a target is saved
# as fuzz/corpus-work/crashes/<target>-crash-... and can be replayed with build-fuzz/<target> FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAV_FUZZ_BUILD:-$root/build-fuzz}

if ! command -v clang++ >/dev/null; then
    echo "clang++ is needed (Debian package clang)" >&2
    exit 2
fi
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

if [ "${1:-}" = "--seeds" ]; then
    rm -rf "$root/fuzz/corpus"
    "$build/make_seeds" "$root/fuzz/corpus"
    echo "seeds written to fuzz/corpus/"
    exit 0
fi

seconds=${1:-600}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in "$root"/fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

# The profile cache keeps parsed files on purpose; its growth is not a leak, and looking for leaks
# after every run would take most of that target's time.
declare -A extra=([fuzz_private_profile]="-detect_leaks=0")

work=$root/fuzz/corpus-work
mkdir -p "$work/crashes"
summary=()
failed=0
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    log=$work/$target.log
    echo "== $target: $seconds s"
    status=0
    # shellcheck disable=SC2086
    "$build/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 ${extra[$target]:-} \
        -artifact_prefix="$work/crashes/$target-" "$work/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1 ||
        status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
    speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
    corpus=$(find "$work/$target" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        result="no finding"
    else
        result="FINDING (exit $status), see $log"
        failed=1
        grep -m1 -E 'ERROR: |check failed|runtime error' "$log" || true
    fi
    summary+=("$(printf '%-22s %6ss %12s runs %8s/s  cov %6s  corpus %5s  %s' "$target" "$seconds" \
        "${runs:-?}" "${speed:-?}" "${cov:-?}" "$corpus" "$result")")
done
echo
printf '%s\n' "${summary[@]}"
exit $failed
