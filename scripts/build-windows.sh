#!/usr/bin/env bash
# Cross-builds tavctl and the core and command-line tests for 64-bit Windows with MinGW-w64 on
# Debian, runs the tests under Wine, and checks that tavctl.exe writes the same data file as the
# Linux tavctl. Usage: scripts/build-windows.sh [build-folder]   (default: build-windows)
#   TAVCTL_LINUX=path  a Linux tavctl to compare with (default: one is built beside the Windows one)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
mkdir -p "$build"
build=$(cd "$build" && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake

# --- packages: the MinGW-w64 compilers, Wine, GoogleTest's sources ------------------------------
packages=(cmake ninja-build g++ mingw-w64 wine wine64 googletest)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

werror=OFF
if [ "${CI:-}" = true ]; then werror=ON; fi
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# --- GoogleTest for the target, from Debian's sources ---------------------------------------------
gtest=$build/googletest
if [ ! -f "$gtest/prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/prefix" -DBUILD_GMOCK=OFF "${launcher[@]}"
    cmake --build "$gtest/build" --target install -j "$(nproc)"
fi

# --- tavctl.exe, core_tests.exe, cli_tests.exe ----------------------------------------------------
# Wine runs tavctl.exe during the build (the default data files) and the tests afterwards, always in
# a Wine folder of its own, without Mono and Gecko and without debug chatter.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1 || true
# -O2 as the Linux build: GCC 12's -O3 inlining makes false array-bounds reports in the tests.
cmake -S "$root" -B "$build/tav" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DTAV_BUILD_GUI=OFF -DTAV_BUILD_BENCH=OFF -DTAV_WERROR=$werror \
    -DGTest_DIR="$gtest/prefix/lib/cmake/GTest" "${launcher[@]}"
cmake --build "$build/tav" -j "$(nproc)"

# --- the tests under Wine ---------------------------------------------------------------------------
ctest --test-dir "$build/tav" --output-on-failure --timeout 900

# --- tavctl.exe writes what the Linux tavctl writes --------------------------------------------------
linux=${TAVCTL_LINUX:-}
if [ -z "$linux" ]; then
    cmake -S "$root" -B "$build/linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAV_BUILD_GUI=OFF \
        -DTAV_BUILD_TESTS=OFF -DTAV_BUILD_BENCH=OFF -DTAV_WERROR=$werror "${launcher[@]}" >/dev/null
    cmake --build "$build/linux" --target tavctl tav_default_sets -j "$(nproc)"
    linux=$build/linux/bin/tavctl
fi
bash "$root/scripts/compare-windows-files.sh" "$linux" "$build/tav/bin/tavctl.exe"
