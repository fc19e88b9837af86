#!/usr/bin/env bash
# Installs what is missing, builds Velmora and its tests, and runs every test (the real-MAME ones
# included). Tests run headless. Then builds the core and its tests once more under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs them: a memory fault or undefined
# behaviour fails the run. VELMORA_SKIP_SANITIZE=1 leaves that pass out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Tests are built without optimisation: they compile faster and run fast enough.
scripts/build.sh build-tests Debug
(cd build-tests && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600)

[ "${VELMORA_SKIP_SANITIZE:-0}" = 1 ] && exit 0
started=$SECONDS
scripts/build.sh build-sanitize Debug -DVELMORA_SANITIZE=ON
cd build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
echo "Sanitizer pass: $((SECONDS - started)) s"
