#!/bin/sh
# A whole game the ScriptedPilot flies off screen (record_pilot_replay: a rock broken, a pause,
# the in-game menu, the game finished and a name entered), played back by the real game: as
# fast as it can, where it must end exactly as recorded, also in a window of another size and,
# from the sanitized build, by the normal build's game; and in real time, where the screen shows
# the gauges, the REPLAY mark, the name entry and the return to the main menu, and playback
# leaves no highscore file or replay behind.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

SCORE=160x80+0+0
CLOCK=160x80+1120+0
LIFE=600x14+20+698
SHIELD=600x14+660+698
ENERGY=200x14+540+673
LEFT_COUNTER=200x80+10+590
RIGHT_COUNTER=200x80+1070+590
REPLAY_MARK=200x30+540+5
NAME_PROMPT=1000x60+140+160
START_ENTRY=600x50+340+45     # main menu
FINISH_ENTRY=600x40+340+580   # in-game menu

REPLAY="$WORK/pilot.replay"
(cd "$WORK" && "$PILOT_RECORDER" "$REPLAY" >"$WORK/recorder.txt" 2>&1) ||
    fail "the pilot's game was not recorded: $(cat "$WORK/recorder.txt")"
rm -rf "$WORK/last.replay" "$WORK/highscores.dat" "$WORK/replays"  # the recorded game's own
cp "$REPLAY" "$SHOTS/$TEST_NAME-pilot.replay"
score=$(awk '$1 == "end" { print $3 }' "$REPLAY")
[ "${score:-0}" -gt 0 ] || fail "the recorded game has no score: $(tail -n 1 "$REPLAY")"

assert_fast_replay "$REPLAY" "$GAME_BINARY"

# The sanitized build plays on the data of the normal build, whose game must agree; the rest
# judges pictures, which adds only time there.
data_build=$(dirname "$(dirname "$(readlink -f "$RUN_FOLDER/models")")")
if [ "$data_build/run" != "$RUN_FOLDER" ]; then
    assert_fast_replay "$REPLAY" "$data_build/rubblestorm"
    echo "ok"
    exit 0
fi

# In real time.
start_game 0 --play "$REPLAY"
in_game() { holds "$(channel_mean "$1" $LIFE g)" ">" 0.4; }
wait_for_screen replay-started in_game 30
assert_number "$(channel_mean "$SHOT" $SHIELD b)" ">" 0.4 "blue shield gauge"
assert_number "$(channel_mean "$SHOT" $ENERGY r)" ">" 0.3 "yellow energy gauge"
assert_number "$(mean_brightness "$SHOT" $SCORE)" ">" 0.03 "score"
assert_number "$(mean_brightness "$SHOT" $CLOCK)" ">" 0.03 "game clock"
assert_number "$(mean_brightness "$SHOT" $LEFT_COUNTER)" ">" 0.08 "left rocket counter"
assert_number "$(mean_brightness "$SHOT" $RIGHT_COUNTER)" ">" 0.08 "right rocket counter"
assert_number "$(mean_brightness "$SHOT" $REPLAY_MARK)" ">" 0.04 "REPLAY mark"
name_entry() {  # the prompt, neither menu
    holds "$(blueness "$1" $NAME_PROMPT)" ">" 0.05 && holds "$(blueness "$1" $FINISH_ENTRY)" "<" 0.05 &&
        holds "$(blueness "$1" $START_ENTRY)" "<" 0.05
}
wait_for_screen replay-name-entry name_entry 60
main_menu() { holds "$(blueness "$1" $START_ENTRY)" ">" 0.05; }
wait_for_screen replay-ended main_menu 30
for written in highscores.dat replays last.replay; do
    [ ! -e "$WORK/$written" ] || fail "playback wrote $written"
done
move_to 10 10
press_key Escape
wait_for_exit 30
assert_no_sanitizer_report
[ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"

assert_fast_replay "$REPLAY" "$GAME_BINARY" xvfb-run -a -s "-screen 0 800x600x24"

echo "ok"
