# The score sheet on Linux: F3 opens a window "Score Sheet" beside the main
# window (not over it) and the keys stay with the main window, so R still
# rolls; after the computer's turn the log holds a line for that seat, read
# from a file saved with Save Log; F3 closes it and opens it again with the
# log kept; the keys come back to the main window after Save Log; the next
# start opens it again, and at ZARVELIN_SCALE=2 it is
# twice the size.
E2E_SCREEN=2600x1200x24
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
export HOME=$WORK/home
mkdir -p "$HOME"
LOG=$HOME/zarvelin-log.txt
e2e_start_game
e2e_start_with_defaults

e2e_key "$MAIN" F3
SHEET=$(e2e_wait_window "Score Sheet")
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
main_left=$X main_right=$((X + WIDTH))
eval "$(xdotool getwindowgeometry --shell "$SHEET")"
[[ $WIDTH == 636 && $HEIGHT == 520 ]] || fail "the sheet is ${WIDTH}x$HEIGHT, not 636x520"
((X >= main_right || X + WIDTH <= main_left)) || fail "the sheet ($X..$((X + WIDTH))) stands over the main window ($main_left..$main_right)"
SHEET_X=$X SHEET_Y=$Y
echo "F3 opens the sheet beside the main window"

# No focusing by the test from here on: the keys go where the program left the focus.
[[ $(xdotool getwindowfocus) == "$MAIN" ]] || fail "the sheet took the keyboard focus"
xdotool key r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices after R with the sheet open"
e2e_click_board 470 413
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button after the choice"
xdotool key s
echo "R rolls and S stops with the sheet open"

# Save Log, until the log holds the computer's whole turn (a line that ends with a full stop).
save_log() {
    rm -f "$LOG"
    xdotool mousemove $((SHEET_X + 570)) $((SHEET_Y + 13)) click 1
    e2e_key "$(e2e_wait_window "Save Log")" Return
    e2e_wait_no_window "Save Log"
    local n=0
    until [[ -s $LOG ]]; do
        ((n++ < TIMEOUT * 10)) || fail "Save Log wrote no file"
        sleep 0.1
    done
}
n=0
while :; do
    save_log
    grep -q '^Turn 2, Player 2: .*\.$' "$LOG" && break
    ((n++ < 20)) || fail "no finished line for the computer's turn in the log: $(cat "$LOG")"
    sleep 1
done
grep -q '^Turn 1, Player 1: 1 roll; took .*; stopped with a' "$LOG" || fail "the person's turn is not in the log: $(cat "$LOG")"
n=0
until [[ $(xdotool getwindowfocus) == "$MAIN" ]]; do
    ((n++ < TIMEOUT * 10)) || fail "after Save Log the keys did not come back to the main window"
    sleep 0.1
done
echo "the saved log holds the computer's turn: $(grep '^Turn 2' "$LOG" | cut -c1-60)..."

e2e_key "$MAIN" F3
e2e_wait_no_window "Score Sheet"
e2e_key "$MAIN" F3
SHEET=$(e2e_wait_window "Score Sheet")
e2e_window_origin "$SHEET"
SHEET_X=$WIN_X SHEET_Y=$WIN_Y
save_log
grep -q '^Turn 2, Player 2: .*\.$' "$LOG" || fail "closing and opening the sheet lost the log: $(cat "$LOG")"
echo "closed and opened again, the sheet keeps the log"

# The next start: remembered open, at twice the size.
e2e_close_window "$MAIN"
box=$(e2e_wait_window "Confirm Quit")
e2e_key "$box" Return
[[ $(e2e_wait_exit) == 0 ]] || fail "the program did not end with status 0"
grep -q '^score_sheet=open$' "$XDG_CONFIG_HOME/zarvelin/settings.txt" || fail "the open sheet was not remembered"
export ZARVELIN_SCALE=2
e2e_start_game
SHEET=$(e2e_wait_window "Score Sheet")
eval "$(xdotool getwindowgeometry --shell "$SHEET")"
[[ $WIDTH == 1272 && $HEIGHT == 1040 ]] || fail "at scale 2 the sheet is ${WIDTH}x$HEIGHT, not 1272x1040"
echo "the next start opens the sheet again, at scale 2 twice as large"
e2e_key "$(e2e_wait_window "Set Up Game")" Return
e2e_wait_no_window "Set Up Game"
[[ -n ${E2E_SCREENSHOT:-} ]] && import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$E2E_SCREENSHOT"
echo "PASS"
