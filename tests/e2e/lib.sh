# Shared steps of the end-to-end tests: a script calls `e2e_begin "$@"` with its arguments (the
# game binary, the run folder with the data, record_pilot_replay), then drives the real game in a
# scratch folder; a failure keeps its last screenshot in build/e2e-shots/. Nothing waits for a
# fixed time: each step waits, with a generous limit, for what it needs (a screen, a window, the
# end of the game), so a busy machine only makes it slower.

set -eu

CONVERT=/usr/bin/convert

e2e_begin() {
    if [ -z "${E2E_IN_XVFB:-}" ]; then
        export E2E_IN_XVFB=1
        # -noreset: a game started while the server resets after the last one ends would fail.
        exec xvfb-run -a -s "-screen 0 1280x720x24 -noreset" "$0" "$@"
    fi
    GAME_BINARY=$(readlink -f "$1")
    RUN_FOLDER=$(readlink -f "$2")
    PILOT_RECORDER=${3:+$(readlink -f "$3")}
    TEST_NAME=$(basename "$0" .sh)
    SHOTS="$(dirname "$GAME_BINARY")/e2e-shots"
    mkdir -p "$SHOTS"
    WORK=$(mktemp -d)
    ln -s "$RUN_FOLDER/models" "$RUN_FOLDER/fonts" "$RUN_FOLDER/Sound" "$WORK"
    GAME_PID=""
    SHOT=""
    trap e2e_cleanup EXIT
}

e2e_cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
    rm -rf "$WORK"
}

fail() {
    echo "FAIL ($TEST_NAME): $*" >&2
    cat "$WORK/stderr.txt" >&2 2>/dev/null || true  # the game's own messages
    [ -z "${SHOT:-}" ] || "$CONVERT" "$SHOT" "$SHOTS/$TEST_NAME-$(basename "$SHOT" .xwd).png" || true
    exit 1
}

# The one way to wait: until the command "$3 ..." succeeds, for at most $1 s; else fails ($2).
wait_until() {
    deadline=$(($(date +%s) + $1))
    awaited="$2 within $1 s"
    shift 2
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "no $awaited"
        sleep 0.1
    done
}

# Starts the game with the arguments given and the settings GAME_ENV (VAR=value, -u VAR).
launch_game() {
    (cd "$WORK" && exec env ${GAME_ENV:-} "$GAME_BINARY" "$@" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
    GAME_PID=$!
}

window_found() { GAME_WINDOW=$(xdotool search --name '^Rubblestorm$' | head -n 1) && [ -n "$GAME_WINDOW" ]; }

# Starts the game (further arguments go to it) and waits, the pointer in a corner off the menus,
# until the screen passes the check $1 (main_menu, in_game, ...), whose shot is left in SHOT.
start_game() {
    first_screen=$1
    shift
    launch_game "$@"
    wait_until 60 "game window" window_found
    move_to 10 10
    wait_until 60 "first screen" shows start "$first_screen"
}

assert_alive() { kill -0 "$GAME_PID" 2>/dev/null || fail "the game is no longer running"; }

game_ended() { ! ps -o stat= -p "$GAME_PID" | grep -qv '^Z'; }

# Waits for the game to end by itself and fails unless its exit status is $1 and no sanitizer
# (in a sanitized build) reported an error. Not in $(...): only this shell can reap the game.
expect_exit() {
    wait_until 200 "end of the game" game_ended  # a fast replay may take long on a busy machine
    status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer' \
        "$WORK/stderr.txt" || fail "a sanitizer reported an error"
    [ "$status" = "$1" ] || fail "the game ended with status $status, not $1"
}

quit_game() {  # from the main menu
    xdotool mousemove --window "$GAME_WINDOW" 10 10 key Escape
    expect_exit 0
}

# Plays the replay file $1 (absolute, or relative to the scratch folder) with the GAME_BINARY
# and --fast: it must end with status 0 and print the summary of the file's end line.
assert_fast_replay() {
    expected=$(cd "$WORK" && awk '$1 == "end" {
        printf "replay: %s frames, score %s, rocks left %s, checksum %s\n", $2, $3, $4, $5 }' "$1")
    [ -n "$expected" ] || fail "$1 has no end line"
    launch_game --play "$1" --fast
    expect_exit 0
    [ "$(cat "$WORK/stdout.txt")" = "$expected" ] ||
        fail "$GAME_BINARY printed '$(cat "$WORK/stdout.txt")' for $1, whose end says '$expected'"
}

# Takes a screenshot named $1 into SHOT and runs the check "$2 ..." on it; a game that has ended
# fails at once. xwd takes a tenth of a second where ImageMagick's import takes seconds.
shows() {
    assert_alive
    SHOT="$WORK/$1.xwd"
    shift
    xwd -root -silent -out "$SHOT"
    "$@"
}

# Checks of the screenshot SHOT. The game writes its menus and screens in blue.
main_menu() { holds "$(measure 600x50+340+45 mean.b-mean.r)" ">" 0.05; }  # "Start"
game_menu() { holds "$(measure 600x40+340+580 mean.b-mean.r)" ">" 0.05; }  # "Finish"
in_game() { holds "$(measure 600x14+20+698 mean.g)" ">" 0.4; }  # the green life gauge
name_entry() { holds "$(measure 1000x60+140+160 mean.b-mean.r)" ">" 0.05 && ! main_menu && ! game_menu; }
# Whether more than $2 pixels differ from the shot $1 (in the region $3 if given), or fewer than 50.
differs() { holds "$(compare -metric AE -extract "${3:-100%}" "$SHOT" "$1" null: 2>&1)" ">" "$2"; }
alike() { holds "$(compare -metric AE "$SHOT" "$1" null: 2>&1)" "<" 50; }

# The ImageMagick expression $2 (mean.b, mean.b-mean.r, ...) over a region "WxH+X+Y" of SHOT.
measure() { "$CONVERT" "$SHOT" -crop "$1" +repage -format "%[fx:$2]" info:; }

# Whether the floating-point comparison "$1 $2 $3" holds (operators < and >).
holds() { awk -v a="$1" -v b="$3" -v op="$2" 'BEGIN { exit (op == "<" ? a < b : a > b) ? 0 : 1 }'; }

assert_number() { holds "$1" "$2" "$3" || fail "${4:-check} failed: $1 $2 $3"; }

# Whether the game window's geometry is "X Y W H".
window_is() { [ "$(xdotool getwindowgeometry --shell "$GAME_WINDOW" | cut -d= -f2 | sed -n 2,5p | xargs)" = "$*" ]; }

# Pointer and keyboard, in window pixels. Keys go to the window under the pointer.
move_to() { xdotool mousemove --window "$GAME_WINDOW" "$1" "$2"; }
press_key() { xdotool key "$@"; }

# Clicks an entry of the main menu or of the in-game menu, by the entries' centres at 1280 x 720.
# The pointer comes from a pixel above: a menu that has just appeared under it must see it move.
choose() {
    case $1 in
    start) y=70 ;;
    highscores) y=331 ;;
    finish) y=598 ;;
    esac
    move_to 640 $((y - 1))
    xdotool mousemove --window "$GAME_WINDOW" 640 "$y" click 1
}
