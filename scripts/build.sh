#!/usr/bin/env bash
# Configures and builds Velmora into the given folder (default: build) with the given CMake build
# type (default: RelWithDebInfo).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
type="${2:-RelWithDebInfo}"
# A compiler cache, where there is one, is shared by every clone of the project.
export CCACHE_BASEDIR="$PWD"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" >/dev/null
cmake --build "$dir" -j"$(nproc)"
