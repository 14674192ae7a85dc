# Helpers for the Windows program's end-to-end tests: a private X server, a
# fresh Wine prefix, the program under Wine, windows found by name, keys, and
# pixels read back from the screen. Sourced by tests/e2e/wine_*.sh.
# (Not a .sh file, so the test runner does not take it for a test.)
#
# Wine starts slowly (a fresh prefix takes tens of seconds), so every wait is
# for a condition, with a generous timeout, never a fixed sleep.

set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=${ZARVELIN_EXE:-$repo/build-windows/platform/win32/zarvelin.exe}
work=$(mktemp -d /tmp/zarvelin-wine.XXXXXX)
xvfb_pid=""
declare -a program_pids=()

export WINEDEBUG=-all
# No Mono or Gecko prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$work/prefix

fail() {
    echo "FAIL: $*" >&2
    # The game as the program last saved it: whose turn, the phase, the dice.
    local saved
    saved=$(find "$WINEPREFIX/drive_c/users" -path '*Zarvelin/saved-game.txt' 2>/dev/null | head -n 1) || true
    [ -n "$saved" ] && [ -s "$saved" ] && sed 's/^/  saved game: /' "$saved" >&2
    if [ -n "${DISPLAY:-}" ]; then import -window root "$work/failure.png" 2>/dev/null &&
        echo "screen at failure: $work/failure.png" >&2 && keep_work=1; fi
    exit 1
}

pass() { echo "ok: $*"; }

keep_work=0
cleanup() {
    local pid
    for pid in "${program_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$keep_work" = 0 ]; then rm -rf "$work"; fi
}
trap cleanup EXIT

# wait_until TIMEOUT_SECONDS DESCRIPTION COMMAND...: polls until the command succeeds.
wait_until() {
    local timeout=$1 what=$2
    shift 2
    local deadline=$((SECONDS + timeout))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "timed out after ${timeout}s waiting for $what"
        sleep 0.2
    done
}

require_tools() {
    local tool
    for tool in Xvfb xdotool xwininfo wine wineboot wineserver import convert; do
        command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
    done
    [ -f "$exe" ] || fail "$exe is missing: run scripts/build-windows"
}

# A private X server on the first free display; Xvfb tells us which one it took.
# E2E_SCREEN sets its size (a test with two windows side by side needs more room).
start_x() {
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until 30 "the X server" test -s "$work/display"
    export DISPLAY=":$(cat "$work/display")"
}

# A fresh prefix, so nothing of another run (or another test) is found there.
# Wine draws the windows' own frames and captions, as Windows would, since
# the X server has no window manager. Making a prefix takes Wine tens of
# seconds, so the first test makes a pristine one beside the Windows build
# (for this Wine version) and every test starts from a copy of it.
start_wine() {
    local template version
    template=$repo/build-windows/wine-prefix-template
    mkdir -p "$repo/build-windows"
    version=$(wine --version 2>/dev/null || echo unknown)
    if [ "$(cat "$template/wine-version" 2>/dev/null)" != "$version" ]; then
        (
            flock 9
            [ "$(cat "$template/wine-version" 2>/dev/null)" = "$version" ] && exit 0
            local making="$template.making.$$"
            rm -rf "$making"
            WINEPREFIX=$making wineboot --init >"$work/wineboot.log" 2>&1 || exit 1
            WINEPREFIX=$making wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || exit 1
            WINEPREFIX=$making wineserver -w
            echo "$version" >"$making/wine-version"
            rm -rf "$template" && mv "$making" "$template"
        ) 9>"$template.lock" || fail "cannot make the Wine prefix (see $work/wineboot.log)"
    fi
    cp -a "$template" "$WINEPREFIX" || fail "cannot copy the Wine prefix"
}

# start_program NAME: runs the exe in the background; its exit status lands in $work/NAME.status.
# Each start begins afresh, without the unfinished game of an earlier start,
# unless the test keeps it (keep_saved_game=1, as wine_resume.sh does).
start_program() {
    local name=$1
    [ "${keep_saved_game:-0}" = 1 ] || find "$WINEPREFIX/drive_c/users" -path '*Zarvelin/saved-game.txt' -delete 2>/dev/null || true
    (
        set +e
        wine "$exe" >"$work/$name.log" 2>&1
        echo $? >"$work/$name.status"
    ) &
    program_pids+=($!)
}

program_ended() { test -s "$work/$1.status"; }
program_status() { cat "$work/$1.status"; }

# find_window TITLE: the id of the window with exactly this title, printed; fails when none.
find_window() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || return 1
    [ -n "$id" ] && echo "$id"
}

window_shown() { find_window "$1" >/dev/null; }
window_gone() { ! window_shown "$1"; }

# wait_for_window TITLE [TIMEOUT]: prints the window id once it is shown.
wait_for_window() {
    wait_until "${2:-120}" "the window \"$1\"" window_shown "$1"
    find_window "$1"
}

# key WINDOW KEYS...: gives the window the keyboard focus and types the keys.
key() {
    local window=$1
    shift
    # --sync waits for the focus to arrive; bounded, since it would wait forever otherwise.
    timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool key --delay 50 "$@"
}

# window_origin WINDOW: "x y" of the window's top-left corner on the screen.
window_origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '$1 == "X" {x = $2} $1 == "Y" {y = $2} END {print x, y}'
}

screenshot() { import -window root "$work/screen.png"; }

# pixel X Y: "r,g,b" of a screen pixel in the last screenshot.
pixel() {
    convert "$work/screen.png" -format "%[fx:int(255*p{$1,$2}.r+0.5)],%[fx:int(255*p{$1,$2}.g+0.5)],%[fx:int(255*p{$1,$2}.b+0.5)]" info:
}

# The client area's top-left corner on the screen, found while the client shows
# only its background: the first pixel of that colour below, then right of, the
# window's corner. Sets client_x and client_y. (awk reads to the end: an early
# exit would break the pipe under pipefail.)
background_rgb="100,0,100"
find_client_origin() {
    local window=$1 wx wy
    read -r wx wy < <(window_origin "$window")
    screenshot
    client_y=$(convert "$work/screen.png" -crop "1x200+$((wx + 10))+$wy" +repage txt:- |
        awk -v want="($background_rgb)" -v wy="$wy" -F'[:, ]+' \
            'NR > 1 && !found && index($0, want) { print wy + $2; found = 1 }')
    [ -n "$client_y" ] || fail "no background colour below the corner of the main window"
    client_x=$(convert "$work/screen.png" -crop "60x1+$wx+$((client_y + 5))" +repage txt:- |
        awk -v want="($background_rgb)" -v wx="$wx" -F'[:, ]+' 'NR > 1 && !found && index($0, want) { print wx + $1; found = 1 }')
    [ -n "$client_x" ] || fail "no background colour right of the corner of the main window"
}

# client_pixel X Y: the pixel at client coordinates, from the last screenshot.
client_pixel() { pixel $((client_x + $1)) $((client_y + $2)); }

client_pixel_is() {
    screenshot
    [ "$(client_pixel "$1" "$2")" = "$3" ]
}

# expect_client_pixel X Y R,G,B WHAT: waits (painting may lag the input) for the colour.
expect_client_pixel() {
    local deadline=$((SECONDS + 30))
    until client_pixel_is "$1" "$2" "$3"; do
        [ $SECONDS -lt $deadline ] ||
            fail "$4: pixel ($1, $2) of the client area is $(client_pixel "$1" "$2"), expected $3"
        sleep 0.3
    done
    pass "$4: ($1, $2) is $3"
}
