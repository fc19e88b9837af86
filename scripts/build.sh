#!/usr/bin/env bash
# Configures and builds Velmora into the given folder (default: build) with the given CMake build
# type (default: RelWithDebInfo). Further arguments name the targets to build (default: all of
# them, tests and benchmarks included), or, starting with -D, set CMake options:
#     scripts/build.sh build RelWithDebInfo velmora mamediff
#     scripts/build.sh build-sanitize Debug -DVELMORA_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
type="${2:-RelWithDebInfo}"
shift $(($# < 2 ? $# : 2))
# A compiler cache, where there is one, is shared by every clone of the project.
export CCACHE_BASEDIR="$PWD"
options=()
targets=()
for arg in "$@"; do
  case "$arg" in
    -D*) options+=("$arg") ;;
    *) targets+=(--target "$arg") ;;
  esac
done
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "${options[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
