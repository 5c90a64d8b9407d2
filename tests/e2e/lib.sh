# Shared helpers of the end-to-end tests. A test script sources this file, calls
# `e2e_begin "$@"` first, then drives the real game with the functions below.
#
# Each script gets three arguments: the game binary, the run folder holding the data and the
# program that records the ScriptedPilot's game (tests/e2e/record_pilot_replay.cpp).
# The game runs in a scratch folder of its own (data linked from the run folder), so a test
# never touches build/run/highscores.dat. Screenshots are kept in build/e2e-shots/.

set -eu

E2E_WIDTH=1280
E2E_HEIGHT=720
CONVERT=/usr/bin/convert

e2e_begin() {
    if [ -z "${E2E_IN_XVFB:-}" ]; then
        export E2E_IN_XVFB=1
        # -noreset: the X server would otherwise reset when the last game ends, and a game
        # started during the reset fails to open the display.
        exec xvfb-run -a -s "-screen 0 ${E2E_WIDTH}x${E2E_HEIGHT}x24 -noreset" "$0" "$@"
    fi
    GAME_BINARY=$(readlink -f "$1")
    RUN_FOLDER=$(readlink -f "$2")
    PILOT_RECORDER=${3:+$(readlink -f "$3")}
    TEST_NAME=$(basename "$0" .sh)
    SHOTS="$(dirname "$GAME_BINARY")/e2e-shots"
    mkdir -p "$SHOTS"
    WORK=$(mktemp -d)
    for data in models fonts Sound; do
        [ -e "$RUN_FOLDER/$data" ] && ln -s "$RUN_FOLDER/$data" "$WORK/$data"
    done
    GAME_PID=""
    trap e2e_cleanup EXIT
}

e2e_cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
    rm -rf "$WORK"
}

fail() {
    echo "FAIL ($TEST_NAME): $*" >&2
    exit 1
}

# Starts the game in the scratch folder and returns at once. Arguments go to the game.
launch_game() {
    (cd "$WORK" && exec env ${GAME_ENV:-} "$GAME_BINARY" "$@" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
    GAME_PID=$!
}

# Starts the game in the scratch folder; waits for its window, then $1 seconds (default 1).
# Further arguments go to the game. GAME_ENV may hold extra environment settings (VAR=value).
start_game() {
    settle=${1:-1}
    [ $# -gt 0 ] && shift
    launch_game "$@"
    for _ in $(seq 1 100); do
        GAME_WINDOW=$(xdotool search --name '^Rubblestorm$' 2>/dev/null | head -n 1 || true)
        [ -n "$GAME_WINDOW" ] && break
        sleep 0.1
    done
    if [ -z "$GAME_WINDOW" ]; then
        state=$(ps -o stat= -p "$GAME_PID" 2>/dev/null || echo gone)
        fail "no game window appeared (game process: $state): $(cat "$WORK/stderr.txt")"
    fi
    sleep "$settle"
}

assert_alive() {
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game is no longer running: $(cat "$WORK/stderr.txt")"
}

# Ends the game with a signal (the game itself only ends through its menu).
stop_game() {
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=""
}

# Ends the game the way a vanished X server would: the X server drops its connection and
# Xlib ends the process through exit(), so its exit handlers (and, in a sanitized build,
# LeakSanitizer's check) still run. Sets GAME_STATUS as wait_for_exit does.
cut_connection() {
    xdotool windowkill "$GAME_WINDOW"
    wait_for_exit 60
}

# Fails if the game's error output holds a report of AddressSanitizer, LeakSanitizer or
# UndefinedBehaviorSanitizer (only a sanitized build makes them).
assert_no_sanitizer_report() {
    if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer' \
        "$WORK/stderr.txt"; then
        cat "$WORK/stderr.txt" >&2
        fail "a sanitizer reported an error"
    fi
}

# Waits up to $1 seconds for the game to end by itself and sets GAME_STATUS to its exit
# status. (Call it directly, not in $(...): only this shell can reap the game.)
wait_for_exit() {
    for _ in $(seq 1 $(($1 * 10))); do
        state=$(ps -o stat= -p "$GAME_PID" 2>/dev/null || true)
        case "$state" in
        "" | Z*)
            GAME_STATUS=0
            wait "$GAME_PID" || GAME_STATUS=$?
            GAME_PID=""
            return 0
            ;;
        esac
        sleep 0.1
    done
    fail "the game did not end within $1 s"
}

# Takes a screenshot of the whole screen into $SHOTS/<test>-<name>.png and prints its path.
# The screen is grabbed with xwd, which takes a tenth of a second where ImageMagick's import
# takes seconds while the game keeps both cores busy; the picture is converted afterwards.
screenshot() {
    shot="$SHOTS/$TEST_NAME-$1.png"
    xwd -root -silent >"$WORK/screen.xwd"
    "$CONVERT" "xwd:$WORK/screen.xwd" "$shot"
    echo "$shot"
}

# The line that `--play FILE --fast` prints, made from the end line of the replay file $1.
expected_summary() {
    awk '$1 == "end" { printf "replay: %s frames, score %s, rocks left %s, checksum %s\n", $2, $3, $4, $5 }' "$1"
}

# Plays the replay file $1 with the game binary $2 and --fast in the scratch folder, and fails
# unless the game prints the summary of the file's end line and ends with status 0. Further
# arguments come before the game's command (another X server: xvfb-run ...).
assert_fast_replay() {
    replay=$1 binary=$2
    shift 2
    expected=$(expected_summary "$replay")
    [ -n "$expected" ] || fail "$replay has no end line"
    status=0
    (cd "$WORK" && exec timeout 120 "$@" "$binary" --play "$replay" --fast >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") ||
        status=$?
    [ "$status" = 0 ] || fail "$binary $* ended with status $status playing $replay: $(cat "$WORK/stderr.txt")"
    [ "$(cat "$WORK/stdout.txt")" = "$expected" ] ||
        fail "$binary $* printed '$(cat "$WORK/stdout.txt")' for $replay, whose end says '$expected'"
    assert_no_sanitizer_report
}

# Takes screenshots named $1 until the function $2 accepts one (it gets the picture's path),
# for at most $3 seconds, and leaves the accepted one's path in SHOT.
wait_for_screen() {
    deadline=$(($(date +%s) + $3))
    while :; do
        SHOT=$(screenshot "$1")
        "$2" "$SHOT" && return 0
        [ "$(date +%s)" -lt "$deadline" ] || fail "no $1 screen within $3 s (last view: $SHOT)"
        assert_alive
    done
}

# Mean brightness (0..1) of an image, or of a region "WxH+X+Y" of it.
mean_brightness() {
    if [ -n "${2:-}" ]; then
        "$CONVERT" "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info:
    else
        "$CONVERT" "$1" -colorspace Gray -format '%[fx:mean]' info:
    fi
}

# How much bluer than red a region "WxH+X+Y" of an image is, on average (0..1): the game's
# menus and screens are written in blue.
blueness() {
    "$CONVERT" "$1" -crop "$2" +repage -format '%[fx:mean.b-mean.r]' info:
}

# Mean of one channel (r, g or b) over a region.
channel_mean() {
    "$CONVERT" "$1" -crop "$2" +repage -format "%[fx:mean.$3]" info:
}

# Number of pixels that differ between two screenshots, over the whole screen or a region.
pixels_differing() {
    if [ -n "${3:-}" ]; then
        "$CONVERT" "$1" -crop "$3" +repage "$WORK/a.png"
        "$CONVERT" "$2" -crop "$3" +repage "$WORK/b.png"
        set -- "$WORK/a.png" "$WORK/b.png"
    fi
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Number of distinct colours of an image: a rough measure of how much it shows.
colour_count() {
    "$CONVERT" "$1" -format '%k' info:
}

# Prints the share (0..1) of the screenshot $1 that has the colour $2 (e.g. "#cccccc").
colour_share() {
    "$CONVERT" "$1" -fuzz 1% -fill white -opaque "$2" -fill black +opaque white -colorspace Gray \
        -format '%[fx:mean]' info:
}

# Whether the floating-point comparison "$1 $2 $3" holds (operators < > <= >=).
holds() {
    awk -v a="$1" -v b="$3" -v op="$2" 'BEGIN {
        ok = (op == "<" && a < b) || (op == ">" && a > b) || (op == "<=" && a <= b) || (op == ">=" && a >= b);
        exit ok ? 0 : 1 }'
}

# Fails unless the floating-point comparison "$1 $2 $3" holds.
assert_number() {
    holds "$1" "$2" "$3" || fail "${4:-check} failed: $1 $2 $3"
}

# Geometry of the game window as "X Y W H".
window_geometry() {
    xdotool getwindowgeometry --shell "$GAME_WINDOW" | awk -F= '
        /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}'
}

# Waits up to 5 s until the window is W x H; fails (returns 1) otherwise.
wait_for_geometry() {
    for _ in $(seq 1 50); do
        set -- "$1" "$2" $(window_geometry)
        [ "$5" = "$1" ] && [ "$6" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

# Pointer and keyboard, in window pixels.
move_to() { xdotool mousemove --window "$GAME_WINDOW" "$1" "$2"; }
click_at() { move_to "$1" "$2"; sleep 0.2; xdotool click "${3:-1}"; }
# Keys go to the window under the pointer: move onto the window first.
press_key() { xdotool key "$@"; }
type_text() { xdotool type --delay 60 "$1"; }
