#!/usr/bin/env bash
# Configures and builds Velmora into the given folder (default: build) with the given CMake build
# type (default: RelWithDebInfo). Further arguments name the targets to build (default: all of
# them, tests and benchmarks included):
#     scripts/build.sh build RelWithDebInfo velmora mamediff
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
type="${2:-RelWithDebInfo}"
shift $(($# < 2 ? $# : 2))
# A compiler cache, where there is one, is shared by every clone of the project.
export CCACHE_BASEDIR="$PWD"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
