# Shared by the Linux end-to-end tests: a private X server, the program under
# test, and waits on windows and pixels. Source it; then call e2e_start_x.
set -u

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD_DIR=${1:?usage: bash script <build-dir>}
ZARVELIN=$BUILD_DIR/platform/fltk/zarvelin
TIMEOUT=${E2E_TIMEOUT:-20}
WORK=$(mktemp -d)
GAME_PID=
XVFB_PID=
HELPER_PIDS=()

fail() {
    echo "FAIL: $*" >&2
    [[ -s $WORK/game.log ]] && sed 's/^/  program: /' "$WORK/game.log" >&2
    # The game as the program last saved it: whose turn, the phase, the dice.
    local saved=${XDG_CONFIG_HOME:-}/zarvelin/saved-game.txt
    [[ -n ${XDG_CONFIG_HOME:-} && -s $saved ]] && sed 's/^/  saved game: /' "$saved" >&2
    [[ -n ${DISPLAY:-} ]] && import -window root "$WORK/failure.png" 2>/dev/null &&
        cp "$WORK/failure.png" "${E2E_FAILURE_SHOT:-/tmp/zarvelin-e2e-failure.png}" &&
        echo "screen saved to ${E2E_FAILURE_SHOT:-/tmp/zarvelin-e2e-failure.png}" >&2
    exit 1
}

e2e_cleanup() {
    local pid
    for pid in "${HELPER_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    if [[ -n $GAME_PID ]]; then
        [[ -s $WORK/pid ]] && kill "$(cat "$WORK/pid")" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap e2e_cleanup EXIT

# A fresh Xvfb on a display number it picks itself, a private runtime folder,
# and a cache folder of its own so the running-copy marker (MARKER) is this
# test's alone. No sound device.
e2e_start_x() {
    [[ -x $ZARVELIN ]] || fail "$ZARVELIN was not built"
    for tool in Xvfb xdotool import; do
        command -v $tool >/dev/null || fail "$tool is not installed"
    done
    exec 3>"$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    local n=0
    until [[ -s $WORK/display ]]; do
        ((n++ < TIMEOUT * 10)) || fail "Xvfb did not start"
        sleep 0.1
    done
    export DISPLAY=:$(head -n1 "$WORK/display")
    export XDG_RUNTIME_DIR=$WORK/runtime
    # The remembered set-up and the records are this test's own too.
    export XDG_CONFIG_HOME=$WORK/config
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export XDG_CACHE_HOME=$WORK/cache
    MARKER=$XDG_CACHE_HOME/zarvelin
    export SDL_AUDIODRIVER=dummy
}

# The time in milliseconds, to measure how long something took.
e2e_now_ms() { date +%s%3N; }

# Runs a helper process in the background until the test ends; sets HELPER_PID.
e2e_helper() {
    "$@" >/dev/null 2>&1 &
    HELPER_PID=$!
    HELPER_PIDS+=("$HELPER_PID")
}

# A peer that never answers (see lib_linux_silent_peer.py), waited for until it is in place.
e2e_silent_peer() {
    local ready=$WORK/peer-${#HELPER_PIDS[@]}.ready n=0
    e2e_helper python3 "$E2E_DIR/lib_linux_silent_peer.py" "$ready" "$@"
    until [[ -e $ready ]]; do
        ((n++ < TIMEOUT * 10)) || fail "the silent peer ($1 $2) did not start"
        sleep 0.1
    done
}

# Starts the program in the background; its exit status lands in $WORK/status.
# Each start begins afresh, without the unfinished game of an earlier start,
# unless the test keeps it (E2E_KEEP_SAVED_GAME=1, as linux_resume.sh does).
e2e_start_game() {
    rm -f "$WORK/status"
    [[ ${E2E_KEEP_SAVED_GAME:-0} == 1 ]] || rm -f "${XDG_CONFIG_HOME:?}/zarvelin/saved-game.txt"
    (
        "$ZARVELIN" >"$WORK/game.log" 2>&1 &
        echo $! >"$WORK/pid"
        wait $!
        echo $? >"$WORK/status"
    ) &
    GAME_PID=$!
}

# The program's own process id.
e2e_game_pid() {
    local n=0
    until [[ -s $WORK/pid ]]; do
        ((n++ < TIMEOUT * 10)) || fail "the program did not start"
        sleep 0.1
    done
    cat "$WORK/pid"
}

# Waits for the program to end; prints its exit status.
e2e_wait_exit() {
    local n=0
    until [[ -s $WORK/status ]]; do
        ((n++ < TIMEOUT * 10)) || fail "the program did not end"
        sleep 0.1
    done
    GAME_PID=
    cat "$WORK/status"
}

# Prints the id of the visible window with exactly this title, waiting for it.
e2e_wait_window() {
    local title=$1 n=0 id
    while :; do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
        [[ -n $id ]] && { echo "$id"; return; }
        ((n++ < TIMEOUT * 10)) || fail "no window \"$title\""
        sleep 0.1
    done
}

e2e_wait_no_window() {
    local title=$1 n=0
    while xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        ((n++ < TIMEOUT * 10)) || fail "window \"$title\" is still open"
        sleep 0.1
    done
}

# The window's top-left corner in root coordinates: sets WIN_X and WIN_Y.
e2e_window_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X
    WIN_Y=$Y
}

# The main window's board: client coordinates are offset by the menu bar.
MENU_HEIGHT=25
e2e_board_origin() {
    e2e_window_origin "$(e2e_wait_window Zarvelin)"
    BOARD_X=$WIN_X
    BOARD_Y=$((WIN_Y + MENU_HEIGHT))
}

# The colour of one screen pixel as "r,g,b".
e2e_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}

# The colour of a board pixel, in the board's client coordinates.
e2e_board_pixel() { e2e_pixel $((BOARD_X + $1)) $((BOARD_Y + $2)); }

# Waits until a board pixel has the colour; a message says what was awaited.
e2e_wait_board_pixel() {
    local x=$1 y=$2 want=$3 what=$4 n=0 got
    while :; do
        got=$(e2e_board_pixel "$x" "$y")
        [[ $got == "$want" ]] && return
        ((n++ < TIMEOUT * 5)) || fail "$what: pixel ($x,$y) is $got, expected $want"
        sleep 0.2
    done
}

# A checksum of a board area, to see whether it has changed.
e2e_board_area_sum() {
    import -window root -crop "$3x$4+$((BOARD_X + $1))+$((BOARD_Y + $2))" -depth 8 rgb:- 2>/dev/null | md5sum
}

# Keys and clicks go to the window under the pointer, with or without a window manager.
e2e_key() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers --delay 30 "$@"
}

e2e_click_board() {
    # No --sync: it waits for a move that never comes when the pointer is already there.
    xdotool mousemove $((BOARD_X + $1)) $((BOARD_Y + $2)) click "${3:-1}"
}

e2e_close_window() { python3 "$E2E_DIR/lib_linux_close_window.py" "$1"; }

# Colours of the board.
BACKGROUND=100,0,100
BOARD=160,0,0
HIGHLIGHT=0,255,0
SEAT_1=0,180,0
SEAT_2=0,0,255
WHITE=255,255,255

# Accepts the set-up dialog's defaults (seat 1 a person, seat 2 a quick
# computer) and waits for the board; sets MAIN to the main window.
e2e_start_with_defaults() {
    e2e_key "$(e2e_wait_window "Set Up Game")" Return
    e2e_wait_no_window "Set Up Game"
    e2e_board_origin
    MAIN=$(e2e_wait_window Zarvelin)
    e2e_wait_board_pixel 57 213 $BOARD "the board"
}

# Seat 1 (a person) keeps rolling, takes the lowest choice each time and never
# stops, so its turn ends in a bust; boxes that ask are answered with Enter.
# Returns as soon as the panel shows the bust notice: empty where the Roll
# button stands, "Sorry!" in white on the line above it.
e2e_play_until_bust() {
    local main=$1 title box seat frame inside n
    for n in $(seq 2000); do
        for title in "Are You Sure?" Victory; do
            box=$(xdotool search --onlyvisible --name "^$title" 2>/dev/null | head -n1)
            [[ -n $box ]] && e2e_key "$box" Return
        done
        seat=$(e2e_board_pixel 380 392)
        frame=$(e2e_board_pixel 418 413)
        inside=$(e2e_board_pixel 425 413)
        if [[ $frame == "$BACKGROUND" && $inside == "$BACKGROUND" ]] &&
            e2e_board_area_has 418 384 104 18 "$WHITE"; then
            return 0
        fi
        if [[ $seat == "$SEAT_1" && $inside == "$HIGHLIGHT" ]]; then
            e2e_key "$main" r
        elif [[ $seat == "$SEAT_1" && $frame == "$HIGHLIGHT" && $inside == "$BACKGROUND" ]]; then
            e2e_click_board 470 413  # the lowest choice
        fi
        sleep 0.02
    done
    fail "no bust notice seen"
}

# Whether a board area holds a pixel of the colour.
e2e_board_area_has() {
    import -window root -crop "$3x$4+$((BOARD_X + $1))+$((BOARD_Y + $2))" -depth 8 txt:- 2>/dev/null |
        grep -q "($5)"
}

# A stand-in browser opener on the PATH that writes down what it was asked to open.
e2e_stand_in_browser() {
    mkdir -p "$WORK/bin"
    printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$WORK" >"$WORK/bin/xdg-open"
    chmod +x "$WORK/bin/xdg-open"
    export PATH=$WORK/bin:$PATH
}

# Help > How to Play in the main window; prints the page the stand-in browser
# was given. The Help menu stands at the right end of the bar; How to Play is its first item.
e2e_how_to_play() {
    local main=$1 n=0
    rm -f "$WORK/opened"
    e2e_window_origin "$main"
    xdotool mousemove $((WIN_X + 510)) $((WIN_Y + 12)) click 1
    sleep 0.5
    xdotool mousemove $((WIN_X + 500)) $((WIN_Y + 38)) click 1
    until [[ -s $WORK/opened ]]; do
        ((n++ < TIMEOUT * 10)) || fail "How to Play opened nothing"
        sleep 0.1
    done
    cat "$WORK/opened"
}

# Starts the program and waits at most 5 s for its set-up dialog; says how long it took.
e2e_start_timed() {
    local t0
    t0=$(e2e_now_ms)
    e2e_start_game
    TIMEOUT=5 e2e_wait_window "Set Up Game" >/dev/null
    echo "$1: first window after $(($(e2e_now_ms) - t0)) ms"
}

# Clicks a field or radio button of the set-up dialog, by its centre in the
# template's dialog units (the dialog is 165 by 183 of them).
e2e_setup_click() {
    local setup=$1 WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$setup")"
    xdotool mousemove $((X + $2 * WIDTH / 165)) $((Y + $3 * HEIGHT / 183)) click 1
}
