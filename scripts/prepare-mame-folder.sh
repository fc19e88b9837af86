#!/bin/sh
# Prepares a ready MAME folder for Velmora on a system whose MAME is installed as a program
# (Debian's /usr/games/mame): a folder holding a `mame` link to the installed MAME, the default
# data sub-folders Velmora's Options dialog fills in, and an empty roms/pong.zip (pong needs no ROM
# files, so it is a playable game from the start). Running it again changes nothing that exists.
#
# MAME reads mame.ini only from ~/.mame and /etc/mame. When ~/.mame does not exist it is made a
# link to the ready folder, so Velmora's default INIs folder (the MAME folder itself) is the one
# MAME reads. When it exists, choose ~/.mame as the INIs folder in the Options dialog.
#
# Velmora's MAMEDiff reports use the mamediff of the MAME folder: a link to the mamediff built
# beside Velmora (build/mamediff, or $MAMEDIFF, or the installed one) is put there when the
# folder has none.
#
# Usage: prepare-mame-folder.sh [folder]   (default: ~/mame)
set -eu

folder=${1:-"$HOME/mame"}
mame_program=$(command -v mame 2>/dev/null || true)
[ -n "$mame_program" ] || mame_program=/usr/games/mame
if [ ! -x "$mame_program" ]; then
    echo "MAME is not installed (no mame program found); on Debian: sudo apt-get install mame" >&2
    exit 1
fi

mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

if [ ! -e "$folder/mame" ] && [ ! -L "$folder/mame" ]; then
    ln -s "$mame_program" "$folder/mame"
fi

mamediff_program=${MAMEDIFF:-"$(cd "$(dirname "$0")/.." && pwd)/build/mamediff"}
# An installed Velmora (this script in share/velmora) has its mamediff on the PATH.
[ -x "$mamediff_program" ] || mamediff_program=$(command -v mamediff 2>/dev/null || true)
if [ -n "$mamediff_program" ] && [ -x "$mamediff_program" ] && [ ! -e "$folder/mamediff" ]; then
    ln -sf "$mamediff_program" "$folder/mamediff"
fi

for sub in roms samples cfg nvram memcard inp hi sta artwork snap diff ctrlr; do
    mkdir -p "$folder/$sub"
done

# An empty zip archive: the end-of-central-directory record alone.
if [ ! -e "$folder/roms/pong.zip" ]; then
    printf 'PK\005\006\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >"$folder/roms/pong.zip"
fi

ini_folder=$folder
if [ ! -e "$HOME/.mame" ] && [ ! -L "$HOME/.mame" ]; then
    ln -s "$folder" "$HOME/.mame"
elif [ "$(cd "$HOME/.mame" 2>/dev/null && pwd -P)" != "$(cd "$folder" && pwd -P)" ]; then
    ini_folder="$HOME/.mame"
fi

echo "MAME folder ready: $folder"
echo "In Velmora's first-run Options dialog, choose this folder as the M.A.M.E. folder:"
echo "    $folder"
if [ "$ini_folder" != "$folder" ]; then
    echo "MAME reads mame.ini only from $HOME/.mame, which already exists: set the"
    echo "\"M.A.M.E. INIs:\" folder to"
    echo "    $ini_folder"
fi
