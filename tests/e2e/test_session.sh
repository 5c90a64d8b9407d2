#!/bin/sh
# A live game through the real window: flown with every weapon, paused with the music keys
# pressed, flown on, finished from the in-game menu, a name typed if it made the table. Its
# own recording, last.replay, played back as fast as it goes must end exactly as the game did. In
# the sanitized build this is the whole game's check under AddressSanitizer, LeakSanitizer and
# UBSan, which must stay silent (a leak found at exit also changes the exit status).
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# About 7 s of thrust and strafe keys, the mouse swinging the ship, guns, rockets and the laser.
fly() {
    for key in w a s d; do
        xdotool keydown "$key" mousemove --window "$GAME_WINDOW" 900 250 mousedown 1 sleep 0.4 mouseup 1 \
            keyup "$key" mousemove --window "$GAME_WINDOW" 380 470 click 2 click 3 sleep 0.3 \
            mousemove --window "$GAME_WINDOW" 640 360 mousedown 2 sleep 1 mouseup 2
    done
    assert_alive
}

start_game main_menu
choose start
wait_until 30 "game" shows game in_game
fly
xdotool key p sleep 1 key F2 plus 7 p
fly
press_key Escape
wait_until 30 "in-game menu" shows game-menu game_menu
choose finish
# A rock broken by chance brings the name entry.
entry_or_menu() { name_entry || main_menu; }
wait_until 30 "name entry or main menu" shows finished entry_or_menu
if ! main_menu; then
    xdotool type --delay 60 Session
    press_key Return
    wait_until 30 "main menu" shows named main_menu
    grep -qx Session "$WORK/highscores.dat" || fail "the name did not reach the highscore file"
fi
quit_game
cp "$WORK/last.replay" "$SHOTS/$TEST_NAME-last.replay"
assert_fast_replay last.replay
