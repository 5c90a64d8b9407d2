# Shared helpers of the end-to-end tests. A test script sources this file, calls
# `e2e_begin "$@"` first, then drives the real game with the functions below.
#
# Each script gets two arguments: the game binary and the run folder holding the data.
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

# Fails unless the floating-point comparison "$1 $2 $3" holds (operators < > <= >=).
assert_number() {
    awk -v a="$1" -v b="$3" -v op="$2" 'BEGIN {
        ok = (op == "<" && a < b) || (op == ">" && a > b) || (op == "<=" && a <= b) || (op == ">=" && a >= b);
        exit ok ? 0 : 1 }' || fail "${4:-check} failed: $1 $2 $3"
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

# Grabs the screen (quickly: aiming depends on it) into $WORK/now.xwd.
grab() { xwd -root -silent >"$WORK/now.xwd"; }

# The largest lit rock of the last grab, away from the ship and the gauges, as "x y area" in
# screen pixels; nothing if there is none. The point is the one deepest inside the rock's lit
# part, so a pointer there is on the rock even when the lit part is a thin crescent. Worked on
# a half-size picture to answer fast.
find_rock() {
    "$CONVERT" "xwd:$WORK/now.xwd" -scale 50% -crop 640x250+0+45 +repage -colorspace gray -threshold 15% \
        "$WORK/lit.miff"
    "$CONVERT" "$WORK/lit.miff" -define connected-components:verbose=true \
        -define connected-components:area-threshold=75 -connected-components 8 null: 2>/dev/null |
        awk '$NF == "gray(255)" {
            split($3, c, ","); x = 2 * c[1]; y = 2 * (c[2] + 45);
            if (x > 380 && x < 900 && y > 360) next;   # the ship
            if ($4 > best) { best = $4; box = $2 }
        } END { if (best > 0) print box, 4 * best }' | {
        read -r box area || return 0
        "$CONVERT" "$WORK/lit.miff" -crop "$box" -morphology Distance Euclidean:4 miff:- |
            identify -define identify:locate=maximum -define identify:limit=1 miff:- |
            awk -v box="$box" -v area="$area" '$1 == "Gray:" {
                split(box, b, /[x+]/); split($NF, p, ",");
                x = 2 * (b[3] + p[1]); y = 2 * (b[4] + p[2] + 45);
                # A glow around the ship: flying at it would never change the view.
                if (x > 380 && x < 900 && y > 340) exit;
                printf "%d %d %d\n", x, y, area
            }'
    }
}

# How many glyphs the score shows: bright shapes of a digit's size in its corner (about
# 50 x 40 pixels: stars are smaller, a rock drifting through the corner is larger).
score_digits() {
    "$CONVERT" "$1" -crop 420x80+0+0 +repage -colorspace gray -threshold 35% \
        -define connected-components:verbose=true -define connected-components:area-threshold=60 \
        -connected-components 8 null: 2>/dev/null | awk '$NF == "gray(255)" {
            split($2, box, /[x+]/);
            if (box[1] <= 70 && box[2] >= 30 && box[2] <= 55) n++
        } END { print n + 0 }'
}

# Flies forward for $1 seconds.
thrust() {
    xdotool keydown w
    sleep "$1"
    xdotool keyup w
}

# Hunts in a game under way, for at most $1 rounds: closes in on the largest sunlit rock,
# then rockets and guns at it, until one breaks and the score reaches three digits. Rocks
# drift fast across the screen from afar, so the ship flies up to one until it is a large
# target. Fails if no rock breaks.
hunt_until_scored() {
    rounds=$1
    centre_x=$((E2E_WIDTH / 2))
    centre_y=$((E2E_HEIGHT / 2))
    for round in $(seq 1 "$rounds"); do
        grab
        [ "$(score_digits "xwd:$WORK/now.xwd")" -ge 3 ] && return 0
        rock=$(find_rock)
        echo "hunt: rock ${rock:-none}" >&2  # shown when the test fails
        if [ -z "$rock" ]; then
            # Turn right and up in turn, and move on a little, to look for sunlit rocks
            # elsewhere: turning one way only can keep the sun behind every rock in view.
            if [ $((round % 2)) = 1 ]; then move_to 1100 "$centre_y"; else move_to "$centre_x" 100; fi
            sleep 0.6
            move_to "$centre_x" "$centre_y"
            thrust 0.5
        else
            set -- $rock
            if [ "$3" -lt 8000 ]; then  # turn towards it and fly closer
                move_to "$1" "$2"
                sleep 0.25
                move_to "$centre_x" "$centre_y"
                thrust 0.6
            else
                xdotool mousemove --window "$GAME_WINDOW" "$1" "$2" click 3 click 3 mousedown 1
                sleep 1.5
                xdotool mouseup 1
                move_to "$centre_x" "$centre_y"
                sleep 1.5
            fi
        fi
        assert_alive
    done
    fail "no rock was destroyed in $rounds rounds of hunting (last view: $(screenshot hunt-failed))"
}
