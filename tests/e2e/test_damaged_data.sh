#!/bin/sh
# The game with damaged, missing and unreadable data, as a player's disk might hold it, and no
# sound card: it says what is wrong and plays on where it can, and never crashes. A damaged
# sky box model leaves the sky black with one message; a cut-short sky texture gives the BMP
# reader's message and a plain grey wall, a missing one no message at all; damaged sounds
# and a missing sound card leave the game silent.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"
export ALSOFT_DRIVERS=no-such-device  # OpenAL finds no output, as without a sound card

# Data of our own in the scratch folder: links to every good file, then the damage.
damage_data() {
    for data in models Sound; do
        rm -rf "${WORK:?}/$data"  # the link to the run folder, or the last run's copy
        mkdir -p "$WORK/$data"
        for file in "$RUN_FOLDER/$data"/*; do ln -s "$file" "$WORK/$data/"; done
    done
    for file in "$WORK/Sound"/*; do
        rm "$file"
        printf 'RIFF\377\377\377\377WAVEfmt garbage' >"$file"
    done
}

# Runs the game for a while, with no sound card to find, and ends it; fails on any crash or
# sanitizer report.
run_damaged_game() {
    start_game 3
    assert_alive
    shot=$(screenshot "$1")
    move_to 640 360
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
run_damaged_game damaged-sky-box
grep -q '^Error: Cannot load the sky box: ' "$WORK/stderr.txt" ||
    fail "no message about the damaged sky box: $(cat "$WORK/stderr.txt")"
[ "$(grep -c '^Error:' "$WORK/stderr.txt")" = 1 ] || fail "more than one message: $(cat "$WORK/stderr.txt")"
assert_number "$(mean_brightness "$shot")" "<" 0.01 "black sky"

damage_data
rm "$WORK/models/sky_front.bmp" "$WORK/models/sky_back.bmp"
head -c 5000 "$RUN_FOLDER/models/sky_front.bmp" >"$WORK/models/sky_front.bmp"
run_damaged_game damaged-sky-texture
[ "$(grep -c '^Error: Image file conversion error\.$' "$WORK/stderr.txt")" = 1 ] ||
    fail "not one message for the cut-short texture: $(cat "$WORK/stderr.txt")"
[ "$(grep -c '^Error:' "$WORK/stderr.txt")" = 1 ] || fail "a message for the missing texture: $(cat "$WORK/stderr.txt")"
# The game starts facing the front wall: without its texture, the model's plain grey.
assert_number "$(colour_count "$shot")" "<" 4 "an untextured front wall"
assert_number "$(mean_brightness "$shot")" ">" 0.5 "an untextured front wall"
echo "ok"
