#!/bin/sh
# The game opens its full-screen window, keeps running and draws frames with the sky box
# behind them; with "-d", F5 switches to a 640 x 480 window at (100, 100) and back, without
# it F5 changes nothing.
. "$(dirname "$0")/lib.sh"
e2e_begin "$@"

start_game 2
assert_alive
set -- $(window_geometry)
[ "$3" = "$E2E_WIDTH" ] && [ "$4" = "$E2E_HEIGHT" ] || fail "window is $3x$4, not full screen"
shot=$(screenshot start)
# The sky box fills the screen: stars and nebulae on dark space, not a cleared frame. The
# menu looks a random way, toward rich or sparse stars (about 0.01 to 0.08); the menu on a
# black sky is about 0.002.
assert_number "$(mean_brightness "$shot")" ">" 0.005 "sky box brightness"
assert_number "$(colour_count "$shot")" ">" 200 "sky box colours"
move_to 400 300
press_key F5
sleep 0.5
set -- $(window_geometry)
[ "$3" = "$E2E_WIDTH" ] || fail "F5 without -d changed the window to $3x$4"
stop_game

start_game 1 -d
move_to 400 300
press_key F5
wait_for_geometry 640 480 || fail "F5 with -d gave $(window_geometry) instead of 640x480 at (100, 100)"
press_key F5
wait_for_geometry "$E2E_WIDTH" "$E2E_HEIGHT" || fail "second F5 gave $(window_geometry) instead of full screen"
assert_alive
stop_game
echo "ok"
