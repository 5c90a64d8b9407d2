#!/bin/sh
# A whole game: started from the main menu (gauges, score, clock, crosshair and rocket
# counters on screen), rockets until a rock breaks and scores, flown and fired, paused and
# resumed, the in-game menu, the game finished, the name entered (with backspace and the
# 20-character limit), the table written to highscores.dat and shown, and ESC ending the game.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

X=640
START_Y=70          # main menu
HIGHSCORES_Y=331
RESUME_Y=122        # in-game menu
FINISH_Y=598
SCORE=160x80+0+0
CLOCK=160x80+1120+0
LIFE=600x14+20+698
SHIELD=600x14+660+698
ENERGY=200x14+540+673
ENERGY_ENDS=150x14+250+673
LEFT_COUNTER=200x80+10+590
RIGHT_COUNTER=200x80+1070+590

# A fixed seed gives a world with two rocks close by in the first view.
GAME_ENV="RUBBLESTORM_SEED=9"
start_game 2
click_at $X $START_Y
sleep 3
move_to $X 360
sleep 1
first=$(screenshot started)
assert_alive
assert_number "$(channel_mean "$first" $LIFE g)" ">" 0.4 "green life gauge"
assert_number "$(channel_mean "$first" $SHIELD b)" ">" 0.4 "blue shield gauge"
assert_number "$(channel_mean "$first" $ENERGY r)" ">" 0.3 "yellow energy gauge"
assert_number "$(mean_brightness "$first" $SCORE)" ">" 0.03 "score"
[ "$(score_digits "$first")" = 1 ] || fail "the score does not start as one digit"
assert_number "$(mean_brightness "$first" $CLOCK)" ">" 0.03 "game clock"
assert_number "$(mean_brightness "$first" $LEFT_COUNTER)" ">" 0.08 "left rocket counter"
assert_number "$(mean_brightness "$first" $RIGHT_COUNTER)" ">" 0.08 "right rocket counter"
assert_number "$(channel_mean "$first" 21x21+630+350 g)" ">" "$(channel_mean "$first" 21x21+630+350 r)" "green crosshair"

hunt_until_scored 60
screenshot hunted >/dev/null

# Fly forward and fire the guns: the energy gauge shrinks from both ends.
xdotool keydown w
sleep 1.5
xdotool mousedown 1
sleep 2
firing=$(screenshot firing)
xdotool mouseup 1
xdotool keyup w
assert_number "$(channel_mean "$firing" $ENERGY_ENDS r)" "<" "$(channel_mean "$first" $ENERGY_ENDS r)" "energy used by the guns"

# Pause: the world and the clock stand still; P again lets them go on.
press_key p
sleep 0.5
paused1=$(screenshot paused-1)
sleep 1.5
paused2=$(screenshot paused-2)
assert_number "$(pixels_differing "$paused1" "$paused2")" "<" 20 "nothing moves while paused"
press_key p
sleep 1.5
assert_number "$(pixels_differing "$paused2" "$(screenshot resumed)")" ">" 1000 "the game goes on"

# The in-game menu over the stopped game, and back.
press_key Escape
sleep 0.7
menu=$(screenshot game-menu)
assert_number "$(blueness "$menu" 1000x200+140+60)" ">" 0.01 "in-game menu"
click_at $X $RESUME_Y
sleep 1
move_to $X 360

# Finish the game: the score earns a place in the table.
press_key Escape
sleep 0.7
click_at $X $FINISH_Y
sleep 1
screenshot name-entry >/dev/null
type_text "Commander Rockbreaker Supreme"
press_key BackSpace
type_text "!"
sleep 0.3
entry=$(screenshot name-typed)
press_key Return
sleep 1
[ -f "$WORK/highscores.dat" ] || fail "no highscores.dat was written"
name=$(sed -n 1p "$WORK/highscores.dat")
[ "$name" = "Commander Rockbreak!" ] || fail "stored name is '$name'"
sed -n 2p "$WORK/highscores.dat" | grep -qE '^[1-9][0-9]*$' || fail "no score under the name"
[ "$(wc -l <"$WORK/highscores.dat")" = 6 ] || fail "highscores.dat is not name, score and four level ends"
[ -z "$(sed -n 3,6p "$WORK/highscores.dat" | tr -d '\n')" ] || fail "level ends are not empty lines"

# The table shows the new entry.
click_at $X $HIGHSCORES_Y
sleep 0.7
table=$(screenshot highscores)
assert_number "$(blueness "$table" 800x60+130+200)" ">" 0.02 "first row of the table"
press_key Escape
sleep 0.5
move_to 10 10
sleep 0.3
press_key Escape
wait_for_exit 10
assert_no_sanitizer_report
[ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"
echo "ok"
