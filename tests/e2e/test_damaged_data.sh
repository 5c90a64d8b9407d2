#!/bin/sh
# Damaged, missing and unreadable files, and no sound card: the game says what is wrong, plays
# on where it can and never crashes. Damaged sounds and no output leave it silent, nothing else.
# A damaged sky box model leaves the sky black with one message; cut-short sky textures give the
# BMP reader's and plain grey walls, a missing one none; a damaged highscore file (kept aside)
# and replay give theirs, each shown once in the window until a key. A missing or damaged font,
# and a missing or damaged model when a game starts, end the game cleanly with its report.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"
export ALSOFT_DRIVERS=no-such-device

# Data of our own in the scratch folder: links to every good model and font, damaged sounds.
damage_data() {
    rm -rf "${WORK:?}/models" "$WORK/fonts" "$WORK/Sound"  # links to the run folder, or copies
    mkdir "$WORK/models" "$WORK/fonts" "$WORK/Sound"
    for file in "$RUN_FOLDER"/models/* "$RUN_FOLDER"/fonts/*; do
        ln -s "$file" "$WORK/${file#"$RUN_FOLDER"/}"
    done
    for file in "$RUN_FOLDER"/Sound/*; do
        printf 'RIFF\377\377\377\377WAVEfmt garbage' >"$WORK/Sound/${file##*/}"
    done
}

# Replaces the data file $1 with its first $2 bytes, or with nothing at all for "-".
cut_short() {
    rm "$WORK/$1"
    [ "$2" = - ] || head -c "$2" "$RUN_FOLDER/$1" >"$WORK/$1"
}

# A message box's title, "Error", is written in red. Dismisses the $2 boxes shown ($1 names them).
message_box() { holds "$(measure 200x80+540+270 mean.r-mean.g)" ">" 0.015; }
dismiss_messages() {
    wait_until 60 "message box" shows "$1-message" message_box
    move_to 640 360
    for _ in $(seq 1 "$2"); do press_key space; done
    wait_until 30 "screen without a message" shows "$1" eval '! message_box'
}

errors() { [ "$(grep -c "^Error: $1" "$WORK/stderr.txt")" = "$2" ] || fail "not $2 '$1'"; }

damage_data
cut_short models/skybox 100
printf 'Ann\nlots\n' >"$WORK/highscores.dat"
start_game main_menu
dismiss_messages damaged-sky-box 1
errors 'Cannot load the sky box: ' 1
errors '' 1
assert_number "$(measure 100% mean.g)" "<" 0.001 "black sky"  # the menu has no green
choose highscores
dismiss_messages damaged-highscores 1
grep -q '^The highscore file highscores.dat could not be read' "$WORK/stderr.txt" || fail "no highscore message"
grep -qx lots "$WORK/highscores.dat.damaged" || fail "the damaged highscore file was not kept"
xdotool windowkill "$GAME_WINDOW"  # a vanished X server: exit() still runs the exit handlers
expect_exit 1

damage_data
cut_short models/sky_back.bmp -
for wall in front left right top bottom; do cut_short "models/sky_$wall.bmp" 5000; done
echo garbage >"$WORK/damaged.replay"
start_game main_menu --play damaged.replay
dismiss_messages damaged-sky-texture 2
errors 'Image file conversion error\.$' 5
errors 'damaged.replay is not a Rubblestorm replay\.$' 1
errors '' 6
assert_number "$(measure 100% mean.g)" ">" 0.5 "plain grey walls"
choose start
wait_until 30 "game" shows damaged-game in_game
xdotool windowkill "$GAME_WINDOW"
expect_exit 1

while read -r damaged bytes when report; do
    damage_data
    cut_short "$damaged" "$bytes"
    if [ "$when" = start ]; then
        launch_game
    else
        start_game main_menu
        choose start  # the game's models are loaded then
    fi
    expect_exit 0
    printf 'exception caught!\n   %s\n' "$report" | cmp -s - "$WORK/stdout.txt" ||
        fail "not the report of \"$report\": $(cat "$WORK/stdout.txt")"
done <<'CASES'
fonts/arial.bmp - start Can't open bmp file
fonts/arial.bmp 300 start Not supported format
models/fighter - game Model not found!
models/asteroid2 2000 game Can`t load Vertices
CASES
