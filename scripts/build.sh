#!/usr/bin/env bash
# Configures and builds Velmora into the given folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j"$(nproc)"
