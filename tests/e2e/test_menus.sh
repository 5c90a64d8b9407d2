#!/bin/sh
# The main menu in its full-screen window over the sky box, driven by the real pointer and
# keyboard, with its music (OpenAL's wave backend writes it to a file); ESC there ends the game
# with status 0. F5 changes nothing; with "-d" it switches to a 640 x 480 window and back.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

printf '[general]\ndrivers = wave\nsample-type = int16\n[wave]\nfile = %s\n' "$WORK/out.wav" >"$WORK/wave.conf"
GAME_ENV="-u ALSOFT_DRIVERS ALSOFT_CONF=$WORK/wave.conf"
start_game main_menu
menu=$SHOT
# Stars and nebulae: green (the menu has none) of 0.005 to 0.05 as the sky looks a random way.
assert_number "$(measure 100% mean.g)" ">" 0.002 "sky box brightness"
press_key F5
# Each entry lights up under the pointer and a click changes the screen: the difficulty, or a
# screen that moves on (a key turns the help and highscore pages, the credits scroll) until ESC
# brings back the very menu.
for entry in "help 438 space" "credits 544" "highscores 331 Right" "difficulty 201"; do
    set -- $entry
    move_to 640 "$2"
    wait_until 30 "lit $1 entry" shows "$1-lit" differs "$menu" 300
    window_is 0 0 1280 720 || fail "F5 without -d changed the full-screen window"  # seen by now
    lit=$SHOT
    xdotool click 1
    wait_until 30 "$1 chosen" shows "$1" differs "$lit" 2000
    [ "$1" != difficulty ] || break
    opened=$SHOT
    [ $# = 2 ] || press_key "$3"
    wait_until 30 "$1 moving on" shows "$1-on" differs "$opened" 300
    press_key Escape
    move_to 10 10
    wait_until 30 "main menu after $1" shows "after-$1" alike "$menu"
done
quit_game
# The menu music really played: the captured sound is not silent.
rms=$(sox "$WORK/out.wav" -n stats 2>&1 | awk '/RMS lev dB/ { print $4 }')
assert_number "${rms:--1000}" ">" -45 "menu music level (dB)"

start_game main_menu -d
move_to 400 300
press_key F5
wait_until 30 "640 x 480 window" window_is 100 100 640 480
press_key F5
wait_until 30 "full screen" window_is 0 0 1280 720
quit_game
