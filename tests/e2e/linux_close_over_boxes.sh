# The main window's close box does nothing while a box of the program is open
# over it, as on Windows, where the owner of a box is disabled: no "Confirm
# Quit" over the box, the box stays and answers, and afterwards the close box
# asks "Confirm Quit" again as usual. Nor do a click on Roll or F2 under a box.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
# No browser opener on the program's path, so that How to Play shows its message.
printf '#!/bin/sh\nPATH=%s exec "%s"\n' "$WORK/empty" "$ZARVELIN" >"$WORK/zarvelin-without-browser"
chmod +x "$WORK/zarvelin-without-browser"
ZARVELIN=$WORK/zarvelin-without-browser
e2e_start_game

# Sends the close request to the main window while the box is open; the box
# must stay the only one, then <keys> answer it.
close_over() {
    local title=$1 box
    shift
    box=$(e2e_wait_window "$title")
    e2e_close_window "$MAIN"
    sleep 0.7
    if [[ $title != "Confirm Quit" ]]; then
        xdotool search --onlyvisible --name "^Confirm Quit\$" >/dev/null 2>&1 &&
            fail "the close box asked \"Confirm Quit\" over \"$title\""
    fi
    [[ $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l) == 1 ]] ||
        fail "\"$title\" is gone or doubled after the close box"
    kill -0 "$(e2e_game_pid)" 2>/dev/null || fail "the program ended over \"$title\""
    e2e_key "$box" "$@"
    e2e_wait_no_window "$title"
    echo "\"$title\": the close box did nothing while it was open"
}

# The program goes on: the close box asks again, and Cancel keeps the game.
still_answers() {
    e2e_close_window "$MAIN"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Escape
    e2e_wait_no_window "Confirm Quit"
}

# Help > How to Play: the Help menu stands at the right end of the bar.
how_to_play() {
    e2e_window_origin "$MAIN"
    xdotool mousemove $((WIN_X + 510)) $((WIN_Y + 12)) click 1
    sleep 0.5
    xdotool mousemove $((WIN_X + 500)) $((WIN_Y + 38)) click 1
}

MAIN=$(e2e_wait_window Zarvelin)
close_over "Set Up Game" Return
e2e_board_origin
e2e_wait_board_pixel 57 213 $BOARD "the board"
still_answers

e2e_key "$MAIN" F1
close_over "About Zarvelin" Return
still_answers

e2e_key "$MAIN" h
HINT=$(e2e_wait_window Hint)
eval "$(xdotool getwindowgeometry --shell "$HINT")"
((X > BOARD_X + 470 || X + WIDTH <= BOARD_X + 470 || Y > BOARD_Y + 413 || Y + HEIGHT <= BOARD_Y + 413)) ||
    fail "the Hint box lies over the Roll button"
e2e_click_board 470 413
e2e_key "$HINT" F2
sleep 0.7
[[ $(e2e_board_pixel 448 32) == "$BACKGROUND" ]] || fail "a click on Roll under the Hint box rolled"
xdotool search --onlyvisible --name "^Confirm Restart\$" >/dev/null 2>&1 && fail "F2 under the Hint box asked to restart"
close_over Hint Return
still_answers

e2e_key "$MAIN" alt+f
sleep 0.3
e2e_key "$MAIN" r
close_over Records Return
still_answers

how_to_play
close_over "How to Play" Return
still_answers

e2e_key "$MAIN" F2
close_over "Confirm Restart" Escape
still_answers

e2e_close_window "$MAIN"
close_over "Confirm Quit" Escape

# A game between two quick computers to one column, for the Victory box.
e2e_key "$MAIN" F2
e2e_key "$(e2e_wait_window "Confirm Restart")" Return
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 57 27  # seat 1: the computer
e2e_setup_click "$SETUP" 121 143
e2e_key "$SETUP" ctrl+a BackSpace 1 Return
e2e_wait_no_window "Set Up Game"
TIMEOUT=120 e2e_wait_window Victory >/dev/null
close_over Victory n
[[ $(e2e_wait_exit) == 0 ]] || fail "No to \"Victory\" did not end the program with status 0"
echo "PASS"
