#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, run and test, when any is missing.
set -euo pipefail

# desktop-file-utils and appstream check the desktop entry and the AppStream metadata; dpkg-dev
# names the Debian package's library dependencies; libarchive reads archives of pictures.
packages=(cmake g++ make qt6-base-dev libarchive-dev mame xvfb xauth desktop-file-utils appstream dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
