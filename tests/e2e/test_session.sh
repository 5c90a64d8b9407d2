#!/bin/sh
# A whole session with what the game has so far: it opens its window and draws the sky box,
# takes mouse and keyboard input for a while and ends through exit() when its X connection
# goes. In the sanitized build this is the game's check under AddressSanitizer, LeakSanitizer
# and UBSan: the session must end without a single report.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

start_game 2
assert_alive
shot=$(screenshot running)
assert_number "$(mean_brightness "$shot")" ">" 0.01 "sky box brightness"

for position in "200 150" "1000 600" "640 360"; do
    move_to $position
    sleep 0.3
done
click_at 640 360 1
click_at 640 360 3
click_at 640 360 2
for key in w a s d Up Left Down Right p h F1 F2 F3 plus minus 5 0; do
    press_key "$key"
    sleep 0.1
done
sleep 2
assert_alive
assert_no_sanitizer_report

cut_connection
# Xlib ends the process with status 1 when its connection breaks; a sanitizer's abort or leak
# report would give another (or leave its report behind).
assert_no_sanitizer_report
[ "$GAME_STATUS" = 1 ] || fail "the game ended with status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
echo "ok"
