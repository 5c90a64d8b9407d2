#!/bin/sh
# The Debian package as a player meets it: built by CPack, apt resolves its dependencies;
# unpacked into a read-only scratch root, its launcher answers --help and --version without a
# display or sound, and runs a game with HOME in a scratch folder, whose data lead to the
# installation, which stays as it was. The game's recording, named relative to the caller, plays.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# The unpacked package is made read-only; it must be writable again to be removed.
trap 'chmod -R u+w "$WORK" 2>/dev/null; e2e_cleanup' EXIT

# Uncompressed rather than the release's xz: the same package, built in a fraction of the time.
cpack --config "$(dirname "$GAME_BINARY")/CPackConfig.cmake" -B "$WORK/package" \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=none >"$WORK/cpack.txt" 2>&1 || fail "cpack failed: $(cat "$WORK/cpack.txt")"
deb=$(ls "$WORK"/package/rubblestorm_*_amd64.deb)
apt-get install --simulate "$deb" >"$WORK/apt.txt" 2>&1 || fail "apt cannot install the package: $(cat "$WORK/apt.txt")"
ROOT="$WORK/root"
dpkg-deb -x "$deb" "$ROOT"
chmod -R a-w "$ROOT"
find "$ROOT" -printf '%p %s %T@\n' | sort >"$WORK/installed.txt"
GAME_BINARY="$ROOT/usr/games/rubblestorm"

# Neither starts a window or the sound: with OpenAL writing to a file, no file may appear.
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$WORK/help.wav" >"$WORK/wave.conf"
env -u DISPLAY -u ALSOFT_DRIVERS ALSOFT_CONF="$WORK/wave.conf" "$GAME_BINARY" --help | grep -q -- --play ||
    fail "--help failed or does not name --play"
[ "$(env -u DISPLAY "$GAME_BINARY" --version)" = "rubblestorm $(dpkg-deb -f "$deb" Version)" ] ||
    fail "--version does not give the package's version"
[ ! -e "$WORK/help.wav" ] || fail "--help started the sound system"

mkdir "$WORK/home"
GAME_ENV="-u XDG_DATA_HOME HOME=$WORK/home"
start_game main_menu
choose start
wait_until 30 "game" shows game in_game
press_key Escape
wait_until 30 "in-game menu" shows game-menu game_menu
choose finish
wait_until 30 "main menu" shows finished main_menu
quit_game
FOLDER="$WORK/home/.local/share/rubblestorm"
for data in models fonts Sound; do
    [ "$(readlink -f "$FOLDER/$data")" = "$ROOT/usr/share/games/rubblestorm/$data" ] ||
        fail "$FOLDER/$data does not lead to the installed data"
done
find "$ROOT" -printf '%p %s %T@\n' | sort | cmp -s - "$WORK/installed.txt" || fail "the game changed the installation"
cp "$FOLDER/last.replay" "$WORK/kept.replay"
assert_fast_replay kept.replay  # named relative to the scratch folder, where the launcher starts
