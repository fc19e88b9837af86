#!/usr/bin/env bash
# Installs what is missing, builds Velmora and its tests, and runs every test (the real-MAME ones
# included). Tests run headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Tests are built without optimisation: they compile faster and run fast enough.
scripts/build.sh build-tests Debug
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
