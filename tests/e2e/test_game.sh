#!/bin/sh
# The ScriptedPilot's game (record_pilot_replay) played back by the real game: in real time,
# where the screen shows the gauges, the REPLAY mark, the name entry and the return to the main
# menu, and playback writes no highscore or replay; and as fast as it can at 800 x 600 (or, from
# the sanitized build, by it and by the normal build's game), where it must end exactly as recorded.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

(cd "$WORK" && "$PILOT_RECORDER" >recorder.txt 2>&1) || fail "no pilot's game: $(cat "$WORK/recorder.txt")"
mv "$WORK/last.replay" "$WORK/pilot.replay"
rm -r "$WORK/highscores.dat" "$WORK/replays"  # the recorded game's own

# The sanitized build plays on the normal build's data, whose game must agree; pictures it skips.
data_build=$(dirname "$(dirname "$(readlink -f "$RUN_FOLDER/models")")")
if [ "$data_build/run" != "$RUN_FOLDER" ]; then
    assert_fast_replay pilot.replay
    GAME_BINARY="$data_build/rubblestorm"
    assert_fast_replay pilot.replay
    exit 0
fi

start_game in_game --play pilot.replay
while read -r what region expression least; do
    assert_number "$(measure "$region" "$expression")" ">" "$least" "$what"
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
# Playback checks every recorded frame: a game that went another way would have said so.
! grep -q '^Error' "$WORK/stderr.txt" || fail "the playback diverged"

printf '#!/bin/sh\nexec xvfb-run -a -s "-screen 0 800x600x24" "%s" "$@"\n' "$GAME_BINARY" >"$WORK/small-screen"
chmod +x "$WORK/small-screen"
GAME_BINARY="$WORK/small-screen"
assert_fast_replay pilot.replay
