#!/usr/bin/env bash
# Builds the tests with sanitizers and runs them:
#   - AddressSanitizer + UndefinedBehaviorSanitizer: every test except the desktop program's and
#     tavctl's PDF output (those need Qt, whose libraries are not instrumented; they run in the
#     ordinary build);
#   - ThreadSanitizer: the threaded transfer code, that is the simulator tests and the core's
#     link tests (tests/sim, tests/core/comm).
# Usage: scripts/sanitize.sh [build-folder-prefix]   (default build; folders PREFIX-asan, PREFIX-tsan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-build}
case "$prefix" in /*) ;; *) prefix=$root/$prefix ;; esac
jobs=$(nproc)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}

werror=OFF
if [ "${CI:-}" = true ]; then werror=ON; fi
common=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAV_BUILD_GUI=OFF -DTAV_BUILD_PDF=OFF -DTAV_BUILD_BENCH=OFF -DTAV_WERROR=$werror)
if command -v ccache >/dev/null; then
    # Paths relative to the checkout, so that another clone of the same sources hits the cache.
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
    common+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

echo "== AddressSanitizer + UndefinedBehaviorSanitizer: all tests but the desktop program's"
cmake -S "$root" -B "$prefix-asan" "${common[@]}" -DTAV_SANITIZE=ON -DTAV_TSAN=OFF
cmake --build "$prefix-asan" -j "$jobs"
ctest --test-dir "$prefix-asan" --output-on-failure -j "$jobs" --timeout 600

echo "== ThreadSanitizer: the transfer tests"
# Some kernels place memory where ThreadSanitizer cannot shadow it; a process without address
# randomisation always works.
run=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
    run=(setarch "$(uname -m)" -R)
fi
cmake -S "$root" -B "$prefix-tsan" "${common[@]}" -DTAV_SANITIZE=OFF -DTAV_TSAN=ON
cmake --build "$prefix-tsan" -j "$jobs" --target core_tests sim_tests
# The suites of tests/core/comm, by name, so that new link tests are picked up on their own.
suites=$(grep -hoE '^TEST(_F|_P)?\(\s*[A-Za-z0-9_]+' "$root"/tests/core/comm/*.cpp | sed -E 's/.*\(\s*//' | sort -u |
         sed 's/$/.*/' | paste -sd: -)
"${run[@]}" "$prefix-tsan/tests/bin/core_tests" --gtest_filter="$suites" --gtest_brief=1
"${run[@]}" "$prefix-tsan/tests/bin/sim_tests" --gtest_brief=1
echo "== sanitizer runs passed"
