# The program on a real X server: the set-up dialog at start, a game started
# with Enter, the board's colours, a roll with its choices, a choice taken with
# a key, a stop, a quick computer's turn, and a right click on Roll.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

e2e_wait_window "Set Up Game" >/dev/null
e2e_board_origin
e2e_wait_board_pixel 57 213 $BACKGROUND "before the first game only the background shows"

# Enter presses "Start Game": the defaults give Player 1 against a quick computer.
e2e_key "$(e2e_wait_window "Set Up Game")" Return
e2e_wait_no_window "Set Up Game"
MAIN=$(e2e_wait_window Zarvelin)
e2e_wait_board_pixel 57 213 $BOARD "the board"
e2e_wait_board_pixel 5 5 $BACKGROUND "the background"
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
e2e_wait_board_pixel 380 392 $SEAT_1 "the active player's square"
e2e_wait_board_pixel 448 32 $BACKGROUND "no dice before the first roll"

# R rolls: the dice appear and the choices replace the Roll button.
e2e_key "$MAIN" r
e2e_wait_board_pixel 448 32 $BOARD "the first die"
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the frame of the lowest choice box"
e2e_wait_board_pixel 425 413 $BACKGROUND "the inside of the choice box"

# A digit (or Enter, with a single choice) takes a choice: the Roll button comes back.
taken=
for key in Return 2 3 4 5 6 7 8 9 1; do
    e2e_key "$MAIN" "$key"
    for _ in 1 2 3 4 5; do
        [[ $(e2e_board_pixel 425 413) == "$HIGHLIGHT" ]] && { taken=$key; break 2; }
        sleep 0.1
    done
done
[[ -n $taken ]] || fail "no key took a choice"
echo "key $taken took a choice"
e2e_wait_board_pixel 425 341 $BOARD "the Stop button after a roll"

# S stops; the quick computer plays its turn at once and hands back.
dice_before=$(e2e_board_area_sum 446 30 38 188)
e2e_key "$MAIN" s
n=0
until [[ $(e2e_board_area_sum 446 30 38 188) != "$dice_before" ]]; do
    ((n++ < TIMEOUT * 5)) || fail "the computer did not roll"
    sleep 0.2
done
e2e_wait_board_pixel 380 392 $SEAT_1 "the turn back with Player 1"
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button for Player 1"

# The right button rolls as the left one does.
e2e_click_board 470 413 3
e2e_wait_board_pixel 425 413 $BACKGROUND "choices after a right click on Roll"
echo "PASS"
