#!/bin/sh
# A whole game the ScriptedPilot flies off screen (record_pilot_replay: a rock broken, a pause,
# the in-game menu, the game finished and a name entered), played back by the real game: as
# fast as it can, where it must end exactly as recorded, also in a window of another size and,
# from the sanitized build, by the normal build's game; and in real time, where the screen shows
# the gauges, the REPLAY mark, the name entry and the return to the main menu, and playback
# leaves no highscore file or replay behind.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

(cd "$WORK" && "$PILOT_RECORDER" >recorder.txt 2>&1) || fail "no pilot's game: $(cat "$WORK/recorder.txt")"
mv "$WORK/last.replay" "$WORK/pilot.replay"
rm -r "$WORK/highscores.dat" "$WORK/replays"  # the recorded game's own
cp "$WORK/pilot.replay" "$SHOTS/$TEST_NAME-pilot.replay"
[ "$(awk '$1 == "end" { print $3 }' "$WORK/pilot.replay")" -gt 0 ] || fail "the recorded game has no score"
assert_fast_replay pilot.replay

# The sanitized build plays on the data of the normal build, whose game must agree; the rest
# judges pictures, which adds only time there.
data_build=$(dirname "$(dirname "$(readlink -f "$RUN_FOLDER/models")")")
if [ "$data_build/run" != "$RUN_FOLDER" ]; then
    GAME_BINARY="$data_build/rubblestorm"
    assert_fast_replay pilot.replay
    echo "ok"
    exit 0
fi

start_game in_game --play pilot.replay
while read -r what region expression least; do
    assert_number "$(measure "$SHOT" "$region" "$expression")" ">" "$least" "$what"
done <<CHECKS
shield-gauge 600x14+660+698 mean.b 0.4
energy-gauge 200x14+540+673 mean.r 0.3
score 160x80+0+0 mean 0.03
clock 160x80+1120+0 mean 0.03
left-rockets 200x80+10+590 mean 0.08
right-rockets 200x80+1070+590 mean 0.08
REPLAY-mark 200x30+540+5 mean 0.04
CHECKS
wait_until 60 "name entry" shows replay-name-entry name_entry
wait_until 30 "main menu" shows replay-ended main_menu
for written in highscores.dat replays last.replay; do
    [ ! -e "$WORK/$written" ] || fail "playback wrote $written"
done
quit_game

printf '#!/bin/sh\nexec xvfb-run -a -s "-screen 0 800x600x24" "%s" "$@"\n' "$GAME_BINARY" >"$WORK/small-screen"
chmod +x "$WORK/small-screen"
GAME_BINARY="$WORK/small-screen"
assert_fast_replay pilot.replay
