# The Game menu: Take Turns Starting makes the next game start with the seat
# after the one that started the last, and a level chosen during a game is the
# one the next game's computer plays. Both are remembered at the next start.
# The dice follow ZARVELIN_SEED, so the same game with the same seed plays the
# same, and another level makes the computer's first turn another.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
SETTINGS=$XDG_CONFIG_HOME/zarvelin/settings.txt
# A seed on which the three levels' first turns bank three different boards
# (zarvelin-arena --seed 10 --games 1 --levels L,L --trace shows each level's
# first turn); another seed may be given when the players change.
export ZARVELIN_SEED=${E2E_LEVEL_SEED:-10}

quit_program() {
    e2e_close_window "$MAIN"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Return
    [[ $(e2e_wait_exit) == 0 ]] || fail "the program did not end with status 0"
}

# Waits for the settings file to hold the line.
expect_setting() {
    local n=0
    until grep -qx "$1" "$SETTINGS" 2>/dev/null; do
        ((n++ < TIMEOUT * 10)) || fail "no line $1 in the settings: $(cat "$SETTINGS" 2>&1)"
        sleep 0.1
    done
}

game_menu() {
    e2e_key "$MAIN" alt+g
    sleep 0.3
    e2e_key "$MAIN" "$1"
}

# A new game from F2: Confirm Restart, then the set-up dialog as it stands.
new_game() {
    e2e_key "$MAIN" F2
    e2e_key "$(e2e_wait_window "Confirm Restart")" Return
    e2e_key "$(e2e_wait_window "Set Up Game")" Return
    e2e_wait_no_window "Set Up Game"
}

# A game's start with the person (seat 1) to move and no die rolled yet: the
# window may still show the last game for a moment, so this is waited for.
expect_person_starts() {
    local n=0
    until [[ $(e2e_board_pixel 425 413) == "$HIGHLIGHT" && $(e2e_board_pixel 380 392) == "$SEAT_1" &&
        $(e2e_board_pixel 448 32) != "$BOARD" ]]; do
        ((n++ < TIMEOUT * 5)) || fail "$1: seat 1 is not to make the game's first roll"
        sleep 0.2
    done
}

# The computer (seat 2) started and played its turn; the person is to move.
# Prints a checksum of the board as the computer's turn left it.
computer_turn_board() {
    e2e_wait_board_pixel 448 32 $BOARD "$1: the computer's dice"
    e2e_wait_board_pixel 380 392 $SEAT_1 "$1: seat 1 to move after the computer's turn"
    e2e_wait_board_pixel 425 413 $HIGHLIGHT "$1: the Roll button"
    sleep 0.5
    e2e_board_area_sum 0 0 528 430
}

# First run: a person against the computer, as the dialog opens.
e2e_start_game
e2e_start_with_defaults
expect_person_starts "the run's first game"
grep -qx 'take_turns_starting=off' "$SETTINGS" && grep -qx 'computer=standard' "$SETTINGS" ||
    fail "the Game menu's defaults were not remembered: $(cat "$SETTINGS")"
game_menu t
expect_setting 'take_turns_starting=on'
game_menu x
expect_setting 'computer=expert'
# The game under way goes on as it was: the person still to move, nothing rolled.
expect_person_starts "the game under way"
new_game
EXPERT=$(computer_turn_board "the next game, expert")
quit_program
echo "Take Turns Starting and the expert level reach the next game"

# Second run: both remembered; the same seed plays the expert's same turn.
e2e_start_game
e2e_start_with_defaults
expect_person_starts "the second run's first game"
new_game
[[ $(computer_turn_board "the remembered expert") == "$EXPERT" ]] ||
    fail "the remembered expert with the same seed played another turn"
quit_program
echo "the level and Take Turns Starting are remembered at the next start"

# Third and fourth runs: the standard and the easy computer play other turns.
e2e_start_game
e2e_start_with_defaults
game_menu s
expect_setting 'computer=standard'
new_game
STANDARD=$(computer_turn_board "the standard computer")
[[ $STANDARD != "$EXPERT" ]] || fail "the standard computer played the expert's turn"
quit_program

e2e_start_game
e2e_start_with_defaults
game_menu e
expect_setting 'computer=easy'
new_game
EASY=$(computer_turn_board "the easy computer")
[[ $EASY != "$EXPERT" && $EASY != "$STANDARD" ]] || fail "the easy computer played another level's turn"
echo "each level plays its own turn"

# Off again: the next game starts with seat 1 once more.
game_menu t
expect_setting 'take_turns_starting=off'
new_game
expect_person_starts "with Take Turns Starting off"
quit_program
echo "PASS"
