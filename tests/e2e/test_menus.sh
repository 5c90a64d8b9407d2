#!/bin/sh
# The main menu with its music, the difficulty cycling, the help pages, the credits and the
# highscore display, each left with ESC; ESC in the main menu ends the game with status 0.
# The game's sound goes to a WAV file (OpenAL's wave backend) so that the music can be heard.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Main menu entries (1280 x 720): the layout's centres, top to bottom.
X=640
START_Y=70
DIFFICULTY_Y=201
HIGHSCORES_Y=331
HELP_Y=438
CREDITS_Y=544
WHOLE_MENU=900x660+190+30

cat >"$WORK/wave.conf" <<CONF
[general]
drivers = wave
sample-type = int16

[wave]
file = $WORK/out.wav
CONF
GAME_ENV="-u ALSOFT_DRIVERS ALSOFT_CONF=$WORK/wave.conf"
start_game 2
assert_alive
move_to 10 10
sleep 0.5
menu=$(screenshot menu)
assert_number "$(blueness "$menu" $WHOLE_MENU)" ">" 0.03 "blue menu entries"

# Highlighting follows the pointer.
move_to $X $START_Y
sleep 0.5
hovered=$(screenshot hover)
assert_number "$(pixels_differing "$menu" "$hovered" 900x80+190+30)" ">" 500 "highlighted entry"

# The difficulty cycles through four levels back to "Easy".
move_to $X $DIFFICULTY_Y
sleep 0.3
easy=$(screenshot difficulty-easy)
click_at $X $DIFFICULTY_Y
sleep 0.5
medium=$(screenshot difficulty-medium)
assert_number "$(pixels_differing "$easy" "$medium" 1000x140+140+130)" ">" 300 "difficulty label changes"
for _ in 1 2 3; do click_at $X $DIFFICULTY_Y; sleep 0.3; done
sleep 0.3
again=$(screenshot difficulty-again)
assert_number "$(pixels_differing "$easy" "$again" 1000x140+140+130)" "<" 50 "four clicks return to Easy"

# Presses ESC and expects the main menu as first shot ($menu), the pointer out of the way;
# $1 names the screenshot, $2 the check.
expect_main_menu_after_escape() {
    press_key Escape
    sleep 0.5
    move_to 10 10
    sleep 0.3
    assert_number "$(pixels_differing "$menu" "$(screenshot "$1")")" "<" 50 "$2"
}

# Help: page 1, any key turns to page 2 and back, ESC returns to the menu.
click_at $X $HELP_Y
sleep 0.5
help1=$(screenshot help-1)
assert_number "$(pixels_differing "$menu" "$help1")" ">" 5000 "help screen shown"
assert_number "$(blueness "$help1" 1100x400+100+200)" ">" 0.01 "help text"
press_key space
sleep 0.5
help2=$(screenshot help-2)
assert_number "$(pixels_differing "$help1" "$help2")" ">" 2000 "second help page"
press_key x
sleep 0.5
assert_number "$(pixels_differing "$help1" "$(screenshot help-1-again)")" "<" 50 "back on page 1"
expect_main_menu_after_escape after-help "ESC leaves help"

# Credits scroll by themselves; ESC returns.
click_at $X $CREDITS_Y
sleep 1
credits1=$(screenshot credits-1)
sleep 2
credits2=$(screenshot credits-2)
assert_number "$(pixels_differing "$credits1" "$credits2" 1000x560+250+160)" ">" 500 "credits scroll"
press_key Escape
sleep 0.5

# Highscores: one level at a time, any key pages on.
click_at $X $HIGHSCORES_Y
sleep 0.5
table1=$(screenshot highscores-1)
assert_number "$(blueness "$table1" 1280x120+0+0)" ">" 0.02 "highscore title"
press_key Right
sleep 0.5
table2=$(screenshot highscores-2)
assert_number "$(pixels_differing "$table1" "$table2" 1280x90+0+90)" ">" 200 "next level's table"
expect_main_menu_after_escape after-highscores "back in the main menu"

assert_alive
press_key Escape
wait_for_exit 10
assert_no_sanitizer_report
[ "$GAME_STATUS" = 0 ] || fail "ESC in the main menu ended the game with status $GAME_STATUS"

# The menu music really played: the captured sound is not silent.
[ -s "$WORK/out.wav" ] || fail "no sound was captured"
rms=$(sox "$WORK/out.wav" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
assert_number "$rms" ">" -45 "menu music level (dB)"
cp "$WORK/out.wav" "$SHOTS/$TEST_NAME-sound.wav"
echo "ok"
