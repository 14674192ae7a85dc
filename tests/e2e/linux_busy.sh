# While a roll runs or the computer plays, the window is served between the
# computer's steps, and input made meanwhile is dropped rather than taken as a
# move later: a double-click on Roll leaves the choice waiting. F2 with three
# seats instead of two goes on to the new game. During that game between
# computers a window put over the board and taken away is repainted at once,
# and the close box gets its "Confirm Quit" within two seconds.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game
e2e_start_with_defaults

# The second click comes while the roll's animation runs: it must not take
# the lowest choice box, which stands where Roll was.
xdotool mousemove $((BOARD_X + 470)) $((BOARD_Y + 413)) click --repeat 2 --delay 20 1
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices after the double-click"
sleep 1
[[ $(e2e_board_pixel 425 413) == "$BACKGROUND" ]] || fail "the second click of the double-click took a choice"
echo "a double-click on Roll rolls once and leaves the choice waiting"

# F2, OK, and a new game of three seats, all quick computers: another number
# of seats than the first game's, and no person plays.
e2e_key "$MAIN" F2
e2e_key "$(e2e_wait_window "Confirm Restart")" Return
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 57 27  # seat 1: Computer
e2e_setup_click "$SETUP" 58 65  # seat 3: Computer
e2e_key "$SETUP" Return
e2e_wait_no_window "Set Up Game"
e2e_wait_board_pixel 448 32 $BOARD "the computers' first roll"
kill -0 "$(e2e_game_pid)" 2>/dev/null || fail "the program ended at a new game with three seats"

# A black window over part of the board for half a second, then gone.
python3 "$E2E_DIR/lib_linux_cover.py" $((BOARD_X + 20)) $((BOARD_Y + 180)) 80 80 0.5
for _ in $(seq 15); do
    [[ $(e2e_board_pixel 57 213) == "$BOARD" ]] && break
    sleep 0.1
done
[[ $(e2e_board_pixel 57 213) == "$BOARD" ]] || fail "the board was not repainted while the computers play"
xdotool search --onlyvisible --name "^Victory$" >/dev/null 2>&1 && fail "the game ended before the probe"
echo "the board is repainted at once while the computers play"

start=$(date +%s%N)
e2e_close_window "$MAIN"
e2e_wait_window "Confirm Quit" >/dev/null
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
echo "the close box asked \"Confirm Quit\" after $elapsed_ms ms"
((elapsed_ms < 2000)) || fail "the close box waited $elapsed_ms ms for the computers"
e2e_key "$(e2e_wait_window "Confirm Quit")" Return
[[ $(e2e_wait_exit) == 0 ]] || fail "OK to \"Confirm Quit\" did not end the program with status 0"
echo "PASS"
