# Nothing lost: a game killed outright, or closed with the close box and
# confirmed, is offered at the next start as "Resume Game". Yes shows the
# board exactly as it stood and the game goes on; No sets the game aside and
# opens the set-up dialog.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
export E2E_KEEP_SAVED_GAME=1
FOLDER=$XDG_CONFIG_HOME/zarvelin

board_sum() { e2e_board_area_sum 0 0 528 430; }

# Waits until the board shows, pixel for pixel, what it showed before.
wait_same_board() {
    local want=$1 n=0
    until [[ $(board_sum) == "$want" ]]; do
        ((n++ < TIMEOUT * 5)) || fail "$2"
        sleep 0.2
    done
}

# Seat 1 takes one of the offered choices with a key; the Roll button comes back.
take_a_choice() {
    local key
    for key in Return 2 3 4 5 6 7 8 9 1; do
        e2e_key "$MAIN" "$key"
        for _ in 1 2 3 4 5; do
            [[ $(e2e_board_pixel 425 413) == "$HIGHLIGHT" ]] && return
            sleep 0.1
        done
    done
    fail "no key took a choice"
}

# The first roll of a turn always offers a choice.
roll_for_choices() {
    e2e_key "$MAIN" r
    e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices after a roll"
    e2e_wait_board_pixel 425 413 $BACKGROUND "the inside of the choice box"
}

# Starts the program and answers "Resume Game" with the keys given.
start_and_answer() {
    e2e_start_game
    local box
    box=$(e2e_wait_window "Resume Game")
    e2e_key "$box" "$@"
    e2e_wait_no_window "Resume Game"
}

quit_with_close_box() {
    e2e_close_window "$MAIN"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Return
    [[ $(e2e_wait_exit) == 0 ]] || fail "the program did not end with status 0"
}

# A roll and a choice against the quick computer, then killed outright.
e2e_start_game
e2e_start_with_defaults
roll_for_choices
take_a_choice
sleep 0.5
before=$(board_sum)
[[ -s $FOLDER/saved-game.txt ]] || fail "no game was saved"
kill -KILL "$(e2e_game_pid)"
e2e_wait_exit >/dev/null
e2e_wait_no_window Zarvelin

# Yes: the same board, and the game goes on: S banks the turn, the computer
# plays its own and hands back.
start_and_answer Return
MAIN=$(e2e_wait_window Zarvelin)
e2e_board_origin
wait_same_board "$before" "the resumed board is not the board that was killed"
echo "killed and resumed: the same board"
dice_before=$(e2e_board_area_sum 446 30 38 188)
e2e_key "$MAIN" s
n=0
until [[ $(e2e_board_area_sum 446 30 38 188) != "$dice_before" ]]; do
    ((n++ < TIMEOUT * 5)) || fail "the computer did not roll after the resumed turn was banked"
    sleep 0.2
done
e2e_wait_board_pixel 380 392 $SEAT_1 "the turn back with Player 1 after the computer's"
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button for Player 1"
roll_for_choices
sleep 0.5
before=$(board_sum)
quit_with_close_box

# Closed while a choice was awaited: Yes shows it awaited again, and a key takes it.
start_and_answer Return
MAIN=$(e2e_wait_window Zarvelin)
e2e_board_origin
wait_same_board "$before" "the resumed board is not the board that was closed"
take_a_choice
echo "closed and resumed: the same board, and the game goes on"
quit_with_close_box

# No: the set-up dialog as at any start, the game set aside, never deleted.
start_and_answer Tab space
e2e_wait_window "Set Up Game" >/dev/null
[[ ! -e $FOLDER/saved-game.txt && -s $FOLDER/saved-game.txt.declined-1 ]] ||
    fail "the declined game was not set aside: $(ls "$FOLDER")"
e2e_start_with_defaults
[[ -s $FOLDER/saved-game.txt ]] || fail "the new game was not saved"
echo "declined: the set-up dialog, and the game kept as saved-game.txt.declined-1"
quit_with_close_box
echo "PASS"
