# The additions in the real program: H shows the "Hint" box on a person's
# turn; Help > How to Play hands the rules page to the desktop's browser
# (xdg-open); Down selects the top choice box, drawn as a white frame inside it, and
# Enter takes it; File > Sound switches the sounds off and on.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_stand_in_browser
e2e_start_game
e2e_start_with_defaults

e2e_key "$MAIN" h
e2e_key "$(e2e_wait_window Hint)" Return
e2e_wait_no_window Hint
echo "H shows the hint on a person's turn"

page=$(e2e_how_to_play "$MAIN")
[[ $page == */rules.html && -f $page ]] || fail "How to Play opened \"$page\", not the rules page"
echo "How to Play opens $page"

e2e_key "$MAIN" r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices"
# The top box's frame is found by walking up from the lowest box.
top=413
while [[ $(e2e_board_pixel 418 $((top - 24))) == "$HIGHLIGHT" ]]; do top=$((top - 24)); done
[[ $(e2e_board_pixel 419 $top) == "$BACKGROUND" && $(e2e_board_pixel 420 $top) == "$BACKGROUND" ]] ||
    fail "a selection is drawn before an arrow key"
e2e_key "$MAIN" Down
# Two pixels in the text's colour just inside the box's green frame.
e2e_wait_board_pixel 419 $top $WHITE "the selection frame inside the top box"
e2e_wait_board_pixel 420 $top $WHITE "the selection frame's second pixel"
e2e_key "$MAIN" Return
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button once Enter took the selected choice"
echo "Down and Enter take the top choice"
echo "PASS"
