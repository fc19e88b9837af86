#!/usr/bin/env bash
# Installs what is missing, builds Velmora, prepares a ready MAME folder for a new user and starts
# the program. The program folder is build/: settings/ and reports/ are made there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only what runs is built: the program and the MAMEDiff stand-in it calls, not the tests.
scripts/build.sh build RelWithDebInfo velmora mamediff
# The MAME folder gets a link to the mamediff just built, for the MAMEDiff reports.
export MAMEDIFF="$PWD/build/mamediff"
if [ -x scripts/prepare-mame-folder.sh ]; then
  scripts/prepare-mame-folder.sh
fi
exec build/velmora
