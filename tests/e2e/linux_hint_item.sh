# Help > Hint can be chosen on a person's turn, and is greyed, with H doing
# nothing, on the computer's turn (a slow computer, which waits for a click
# before each of its steps, so that its turn stays on the screen).
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x

# Opens the Help menu and says whether the Hint item's label has black
# (active) pixels: a greyed label has none.
hint_item_active() {
    local active=1
    e2e_key "$MAIN" alt+h
    sleep 0.5
    # Under "&Help" at the right end of the bar; Hint is the second item.
    import -window root -crop "30x14+$((WIN_X + 480))+$((WIN_Y + 51))" -depth 8 txt:- 2>/dev/null |
        grep -q "(0,0,0)" || active=0
    e2e_key "$MAIN" Escape
    sleep 0.3
    return $((1 - active))
}

e2e_start_game
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 40 108  # Computer Moves Slowly
e2e_key "$SETUP" Return
e2e_wait_no_window "Set Up Game"
e2e_board_origin
MAIN=$(e2e_wait_window Zarvelin)
e2e_window_origin "$MAIN"
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
hint_item_active || fail "Help > Hint is greyed on the person's turn"
e2e_key "$MAIN" h
e2e_key "$(e2e_wait_window Hint)" Return
e2e_wait_no_window Hint
echo "Help > Hint and H on the person's turn"

# The person rolls, takes the lowest choice and stops: the slow computer's turn.
e2e_key "$MAIN" r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the lowest choice"
e2e_click_board 470 413
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button after the choice"
e2e_key "$MAIN" s
e2e_wait_board_pixel 380 392 $SEAT_2 "the computer's turn"
hint_item_active && fail "Help > Hint is not greyed on the computer's turn"
e2e_key "$MAIN" h
sleep 1
xdotool search --onlyvisible --name "^Hint\$" >/dev/null && fail "H showed a hint on the computer's turn"
echo "Help > Hint is greyed and H does nothing on the computer's turn"

e2e_close_window "$MAIN"
e2e_key "$(e2e_wait_window "Confirm Quit")" Return
[[ $(e2e_wait_exit) == 0 ]] || fail "the program did not end with status 0"
echo "PASS"
