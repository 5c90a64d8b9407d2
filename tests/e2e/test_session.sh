#!/bin/sh
# Half a minute of play through the real window: a game flown with every weapon, paused and
# resumed, the in-game menu, the game finished from it, then the table, the help and the
# credits left with ESC, the difficulty cycled, and ESC ending the game with status 0; then the
# game's own recording, last.replay, played back as fast as it goes must end exactly as the
# game did. It checks little on screen (the other scripts do); in the sanitized build it is the
# whole game's check under AddressSanitizer, LeakSanitizer and UBSan, which must stay silent
# (a leak found at exit also changes the exit status).
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

X=640
START_Y=70          # main menu
DIFFICULTY_Y=201
HIGHSCORES_Y=331
HELP_Y=438
CREDITS_Y=544
RESUME_Y=122        # in-game menu
FINISH_Y=598

# Leaves a screen with ESC after $1 seconds.
leave_after() {
    sleep "$1"
    press_key Escape
    sleep 0.5
}

# Flies for about $1 seconds: thrust and strafe keys, the mouse swinging the ship around,
# the guns, a pair of rockets and the laser.
fly() {
    end=$(($(date +%s) + $1))
    while [ "$(date +%s)" -lt "$end" ]; do
        for key in w a s d; do
            xdotool keydown "$key" mousemove --window "$GAME_WINDOW" 900 250 mousedown 1
            sleep 0.4
            xdotool mouseup 1 keyup "$key" mousemove --window "$GAME_WINDOW" 380 470 click 2 click 3
            sleep 0.3
            xdotool mousemove --window "$GAME_WINDOW" $X 360 mousedown 2
            sleep 1
            xdotool mouseup 2
        done
        assert_alive
    done
}

start_game 2
click_at $X $START_Y
sleep 1
fly 10
press_key p
sleep 2
press_key F2 plus 7 p
fly 5
press_key Escape
sleep 1
click_at $X $RESUME_Y
fly 5
press_key Escape
sleep 1
click_at $X $FINISH_Y
sleep 1
# A rock broken by chance brings the name entry; otherwise the keys fall on the main menu.
type_text "Session"
press_key Return
sleep 1
[ ! -e "$WORK/highscores.dat" ] || grep -qx Session "$WORK/highscores.dat" ||
    fail "the name did not reach the highscore file"
[ -f "$WORK/last.replay" ] || fail "the game was not recorded to last.replay"

click_at $X $HIGHSCORES_Y
leave_after 2
click_at $X $HELP_Y
press_key Next
leave_after 1
click_at $X $CREDITS_Y
leave_after 2
click_at $X $DIFFICULTY_Y
click_at $X $DIFFICULTY_Y
click_at $X $DIFFICULTY_Y
click_at $X $DIFFICULTY_Y  # back to the first level
move_to 10 10
press_key Escape
wait_for_exit 30
assert_no_sanitizer_report
[ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
cp "$WORK/last.replay" "$SHOTS/$TEST_NAME-last.replay"
assert_fast_replay "$WORK/last.replay" "$GAME_BINARY"
echo "ok"
