#!/bin/sh
# The game with damaged, missing and unreadable data, as a player's disk might hold it, and no
# sound card: it says what is wrong and plays on where it can, and never crashes. A damaged
# sky box model leaves the sky black with one message; a cut-short sky texture gives the BMP
# reader's message and a plain grey wall, a missing one no message at all; a message shows in
# the window too, the same ones once. Damaged sounds and a missing sound card leave the game
# silent. A missing or damaged font, and a missing or damaged model when a game starts, end
# the game cleanly with its report lines.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"
export ALSOFT_DRIVERS=no-such-device  # OpenAL finds no output, as without a sound card

# Data of our own in the scratch folder: links to every good file, then the damage.
damage_data() {
    for data in models fonts Sound; do
        rm -rf "${WORK:?}/$data"  # the link to the run folder, or the last run's copy
        mkdir -p "$WORK/$data"
        for file in "$RUN_FOLDER/$data"/*; do ln -s "$file" "$WORK/$data/"; done
    done
    for file in "$WORK/Sound"/*; do
        rm "$file"
        printf 'RIFF\377\377\377\377WAVEfmt garbage' >"$file"
    done
}

# Replaces the data file $1 (under the scratch folder) with its first $2 bytes.
cut_short() {
    rm "$WORK/$1"
    head -c "$2" "$RUN_FOLDER/$1" >"$WORK/$1"
}

# Runs the game for a while, with no sound card to find, and ends it; fails on any crash or
# sanitizer report. Its $2 messages are shown in the window first, one box each, which
# hold the game until a key dismisses them; $box is the first box, $shot the screen after.
run_damaged_game() {
    start_game 3
    assert_alive
    box=$(screenshot "$1-message")
    move_to 640 360
    for _ in $(seq 1 "$2"); do
        press_key space
        sleep 0.3
    done
    shot=$(screenshot "$1")
    assert_number "$(pixels_differing "$box" "$shot" 1024x200+128+260)" ">" 5000 "a message box"
    press_key w
    sleep 1
    assert_alive
    cut_connection
    assert_no_sanitizer_report
    [ "$GAME_STATUS" = 1 ] || fail "the game ended with status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
}

damage_data
rm "$WORK/models/skybox"
head -c 100 "$RUN_FOLDER/models/skybox" >"$WORK/models/skybox"
run_damaged_game damaged-sky-box 1
grep -q '^Error: Cannot load the sky box: ' "$WORK/stderr.txt" ||
    fail "no message about the damaged sky box: $(cat "$WORK/stderr.txt")"
[ "$(grep -c '^Error:' "$WORK/stderr.txt")" = 1 ] || fail "more than one message: $(cat "$WORK/stderr.txt")"
assert_number "$(mean_brightness "$shot")" "<" 0.01 "black sky"

damage_data
rm "$WORK/models/sky_back.bmp"
for wall in front left right top bottom; do cut_short "models/sky_$wall.bmp" 5000; done
run_damaged_game damaged-sky-texture 1
[ "$(grep -c '^Error: Image file conversion error\.$' "$WORK/stderr.txt")" = 5 ] ||
    fail "not one message for each cut-short texture: $(cat "$WORK/stderr.txt")"
[ "$(grep -c '^Error:' "$WORK/stderr.txt")" = 5 ] || fail "a message for the missing texture: $(cat "$WORK/stderr.txt")"
# Without their textures the walls show the model's plain grey behind the menu.
assert_number "$(colour_share "$shot" "#cccccc")" ">" 0.6 "untextured walls"

# Expects the game on the damaged data to end by itself with status 0 and the report lines
# "exception caught!" and "   $1". With a second argument "in-game" it starts a new game from
# the menu first (the game's models are loaded then).
expect_report() {
    if [ "${2:-}" = in-game ]; then
        start_game 1
        click_at 640 70
    else
        launch_game
    fi
    wait_for_exit 30
    assert_no_sanitizer_report
    [ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
    printf 'exception caught!\n   %s\n' "$1" | cmp -s - "$WORK/stdout.txt" ||
        fail "not the report of \"$1\": $(cat "$WORK/stdout.txt")"
}

damage_data
rm -rf "${WORK:?}/fonts"
mkdir "$WORK/fonts"
expect_report "Can't open bmp file"

damage_data
cut_short fonts/arial.bmp 300
expect_report "Not supported format"

damage_data
rm "$WORK/models/fighter"
expect_report "Model not found!" in-game

damage_data
cut_short models/asteroid2 2000
expect_report "Can\`t load Vertices" in-game
echo "ok"
