#!/usr/bin/env bash
# Builds the desktop program and starts it with a simulated radio attached, so that Read and
# Write work without hardware. Usage: scripts/run.sh [build-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"
bin="$build/bin"
if [ -x "$bin/tavprog" ]; then
    exec "$bin/tavprog" --home "$bin" --simulate
fi
echo "The desktop program is not built yet; the command-line tool is at $bin/tavctl" >&2
exec "$bin/tavctl" --help
