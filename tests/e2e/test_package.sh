#!/bin/sh
# The Debian package as a player meets it: built by CPack from this build, unpacked with
# dpkg-deb into a scratch root (made read-only), its launcher answers --help without a
# display or sound, then starts the game with HOME in a scratch folder: the main menu shows, a
# game is started and finished from the in-game menu, and the game's files land in the
# player's folder, nothing in the installation. A replay named relative to the caller plays
# through the launcher, and apt resolves the package's dependencies.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# The unpacked package is made read-only; it must be writable again to be removed.
trap 'chmod -R u+w "$WORK" 2>/dev/null; e2e_cleanup' EXIT

X=640
START_Y=70   # main menu
FINISH_Y=598 # in-game menu
BUILD=$(dirname "$GAME_BINARY")

# gzip rather than the release's xz: the same package, built in a fraction of the time.
cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$WORK/cpack.txt" 2>&1 ||
    fail "cpack failed: $(cat "$WORK/cpack.txt")"
deb=$(ls "$WORK"/package/rubblestorm_*_amd64.deb)
version=$(dpkg-deb -f "$deb" Version)
ROOT="$WORK/root"
dpkg-deb -x "$deb" "$ROOT"
chmod -R a-w "$ROOT"
find "$ROOT" -printf '%p %s %T@\n' | sort >"$WORK/installed-before.txt"
LAUNCHER="$ROOT/usr/games/rubblestorm"

# --help and --version start neither a window nor sound: with OpenAL writing to a file, no
# file may appear.
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$WORK/help.wav" >"$WORK/wave.conf"
env -u DISPLAY -u ALSOFT_DRIVERS ALSOFT_CONF="$WORK/wave.conf" "$LAUNCHER" --help >"$WORK/help.txt" ||
    fail "--help failed"
for option in -d --play --fast --seed --version; do
    grep -q -- "$option" "$WORK/help.txt" || fail "--help does not name $option"
done
[ "$(env -u DISPLAY "$LAUNCHER" --version)" = "rubblestorm $version" ] || fail "--version is not $version"
[ ! -e "$WORK/help.wav" ] || fail "--help started the sound system"

PLAYER_HOME="$WORK/home"
mkdir -p "$PLAYER_HOME"
FOLDER="$PLAYER_HOME/.local/share/rubblestorm"
GAME_BINARY=$LAUNCHER
GAME_ENV="-u XDG_DATA_HOME HOME=$PLAYER_HOME"
start_game 2
move_to 10 10
sleep 0.5
assert_number "$(blueness "$(screenshot menu)" 900x660+190+30)" ">" 0.03 "blue main menu entries"

click_at $X $START_Y
sleep 2
press_key Escape
sleep 1
click_at $X $FINISH_Y
for _ in $(seq 1 100); do
    [ -e "$FOLDER/last.replay" ] && break
    sleep 0.1
done
grep -q '^end ' "$FOLDER/last.replay" 2>/dev/null || fail "no finished last.replay in $FOLDER"
move_to 10 10
press_key Escape
wait_for_exit 30
[ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS: $(cat "$WORK/stderr.txt")"

for data in models fonts Sound; do
    [ "$(readlink -f "$FOLDER/$data")" = "$ROOT/usr/share/games/rubblestorm/$data" ] ||
        fail "$FOLDER/$data does not lead to the installed data"
done
find "$ROOT" -printf '%p %s %T@\n' | sort >"$WORK/installed-after.txt"
cmp -s "$WORK/installed-before.txt" "$WORK/installed-after.txt" ||
    fail "the game changed the installation: $(diff "$WORK/installed-before.txt" "$WORK/installed-after.txt")"

# A replay named relative to where the launcher is started.
mkdir -p "$WORK/elsewhere/kept"
cp "$FOLDER/last.replay" "$WORK/elsewhere/kept/"
summary=$(cd "$WORK/elsewhere" && env HOME="$PLAYER_HOME" "$LAUNCHER" --play kept/last.replay --fast 2>&1) ||
    fail "the launcher did not play a relative replay: $summary"
echo "$summary" | grep -q '^replay: ' || fail "no replay summary: $summary"

apt-get install --simulate "$deb" >"$WORK/apt.txt" 2>&1 || fail "apt cannot install the package: $(cat "$WORK/apt.txt")"
echo "ok"
