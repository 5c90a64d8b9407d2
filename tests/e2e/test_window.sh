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
if [ -e "$RUN_FOLDER/models/skybox" ]; then
    # The sky box fills the screen: stars and nebulae on dark space, not a cleared frame.
    assert_number "$(mean_brightness "$shot")" ">" 0.01 "sky box brightness"
    assert_number "$(colour_count "$shot")" ">" 200 "sky box colours"
else
    # Without generated data the sky stays black, and the game says why and keeps running.
    echo "note: no models/skybox in $RUN_FOLDER; checking the black sky instead" >&2
    assert_number "$(mean_brightness "$shot")" "<" 0.02 "black start screen"
    for _ in $(seq 1 100); do
        grep -q "Cannot load the sky box" "$WORK/stderr.txt" && break
        sleep 0.1
    done
    grep -q "Cannot load the sky box" "$WORK/stderr.txt" || fail "no message about the missing sky box"
fi
move_to 400 300
press_key F5
sleep 0.5
set -- $(window_geometry)
[ "$3" = "$E2E_WIDTH" ] || fail "F5 without -d changed the window to $3x$4"
stop_game

start_game 1 -d
move_to 400 300
press_key F5
sleep 1
set -- $(window_geometry)
[ "$3x$4" = "640x480" ] || fail "F5 with -d gave $3x$4 instead of 640x480"
press_key F5
sleep 1
set -- $(window_geometry)
[ "$3x$4" = "${E2E_WIDTH}x${E2E_HEIGHT}" ] || fail "second F5 gave $3x$4 instead of full screen"
assert_alive
stop_game
echo "ok"
