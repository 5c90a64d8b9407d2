#!/bin/sh
# Starts an installed Rubblestorm. The game keeps its files in the folder it runs in and finds
# its data there, so this runs it in a folder of the player's own, $XDG_DATA_HOME/rubblestorm
# (by default ~/.local/share/rubblestorm), where highscores.dat, last.replay and replays/ live
# and where models, fonts and Sound link to the installed data. Everything is found relative
# to this script, so an unpacked package works wherever it lies.
set -eu

prefix=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
game="$prefix/lib/games/rubblestorm/rubblestorm"
data="$prefix/share/games/rubblestorm"

# Answers that start nothing need no folder.
for argument in "$@"; do
    case "$argument" in
    -h | --help | --version) exec "$game" "$@" ;;
    esac
done

# A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directory rules say.
case "${XDG_DATA_HOME:-}" in
/*) home="$XDG_DATA_HOME/rubblestorm" ;;
*) home="$HOME/.local/share/rubblestorm" ;;
esac
mkdir -p "$home"
for folder in models fonts Sound; do
    # A link is renewed (the installation may have moved); anything else is the player's.
    if [ -L "$home/$folder" ] || [ ! -e "$home/$folder" ]; then
        ln -sfn "$data/$folder" "$home/$folder"
    fi
done

# The game runs elsewhere: a replay named relative to here must still be found.
count=$#
expect_replay=""
while [ "$count" -gt 0 ]; do
    argument=$1
    shift
    count=$((count - 1))
    if [ -n "$expect_replay" ]; then
        case "$argument" in
        /*) ;;
        *) argument="$PWD/$argument" ;;
        esac
    fi
    expect_replay=""
    [ "$argument" = "--play" ] && expect_replay=1
    set -- "$@" "$argument"
done

cd "$home"
exec "$game" "$@"
