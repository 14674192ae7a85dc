# A bust is seen: the panel empties and "Sorry!" stands above the Roll
# button's place while the thread holds it for a second.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

e2e_key "$(e2e_wait_window "Set Up Game")" Return
e2e_wait_no_window "Set Up Game"
e2e_board_origin
MAIN=$(e2e_wait_window Zarvelin)
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
e2e_play_until_bust "$MAIN"
echo "PASS"
