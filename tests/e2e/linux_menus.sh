# The set-up dialog refusing an invalid number of columns (Start Game and the
# close box alike, Esc doing nothing), F2's "Confirm Restart" kept by Cancel (the keys
# working again afterwards),
# F1's about box closed by Enter, and the close box's "Confirm Quit" ending
# the program with status 0 on OK.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

SETUP=$(e2e_wait_window "Set Up Game")
# The columns-to-win field, placed by its dialog units.
set_columns() {
    e2e_setup_click "$SETUP" 121 143
    e2e_key "$SETUP" ctrl+a BackSpace "$1"
}

set_columns 7
e2e_key "$SETUP" Return
e2e_key "$(e2e_wait_window Invalid)" Return
e2e_wait_no_window Invalid
# Esc does nothing: the dialog is still there to refuse the number once more, from its close box.
e2e_key "$SETUP" Escape
e2e_close_window "$SETUP"
e2e_key "$(e2e_wait_window Invalid)" Return
e2e_wait_no_window Invalid

set_columns 2
e2e_close_window "$SETUP"
e2e_wait_no_window "Set Up Game"
e2e_board_origin
MAIN=$(e2e_wait_window Zarvelin)
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"

# F2 during a game asks first; Cancel, clicked, keeps the game as it is, and
# the keys reach the board again once the box has gone.
e2e_key "$MAIN" F2
BOX=$(e2e_wait_window "Confirm Restart")
eval "$(xdotool getwindowgeometry --shell "$BOX")"
xdotool mousemove $((X + WIDTH - 140)) $((Y + HEIGHT - 30)) click 1  # Cancel, right of OK
e2e_wait_no_window "Confirm Restart"
xdotool search --onlyvisible --name "^Set Up Game\$" >/dev/null && fail "Cancel opened the set-up dialog"
e2e_key "$MAIN" r
e2e_wait_board_pixel 448 32 $BOARD "the dice"

# F1 opens the about box; Enter closes it.
e2e_key "$MAIN" F1
e2e_key "$(e2e_wait_window "About Zarvelin")" Return
e2e_wait_no_window "About Zarvelin"

# The close box asks "Confirm Quit"; OK (Enter) ends the program with status 0.
e2e_close_window "$MAIN"
e2e_key "$(e2e_wait_window "Confirm Quit")" Return
status=$(e2e_wait_exit)
[[ $status == 0 ]] || fail "exit status $status after Confirm Quit"
echo "PASS"
