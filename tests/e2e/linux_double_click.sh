# A double-click on Roll rolls once: its second click, 100, 250 or 400 ms after
# the first, press to press, leaves the choices on screen and places no marker,
# though a choice box now stands where Roll was. A click 600 ms after the one
# that rolled is a move. The desktop's double-click time is set to 500 ms here,
# with the X resource multiClickTime, as Windows has it: 400 ms, the time
# without the resource, would make the 400 ms double-click a matter of the
# milliseconds xdotool takes to send a click.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
echo "zarvelin.multiClickTime: 500" >"$WORK/Xresources"
export XENVIRONMENT=$WORK/Xresources
e2e_start_game
# Six columns to win: Player 1 stops after every try, and the quick computer
# should seldom win meanwhile.
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 121 143
e2e_key "$SETUP" ctrl+a BackSpace 6
e2e_start_with_defaults

# The top marker's home place shows a marker until one is placed.
marker_at_home() { [[ $(e2e_board_pixel 32 349) == "$WHITE" ]]; }
choices_shown() {
    [[ $(e2e_board_pixel 418 413) == "$HIGHLIGHT" && $(e2e_board_pixel 425 413) == "$BACKGROUND" ]]
}

# Waits for Player 1's turn. The quick computer may win a game meanwhile, now
# and then even to six columns: its Victory box is answered Yes, and the tries
# go on in the next game.
await_player_1() {
    local n=0 box
    until [[ $(e2e_board_pixel 380 392) == "$SEAT_1" ]]; do
        box=$(xdotool search --onlyvisible --name "^Victory\$" 2>/dev/null | head -n1)
        if [[ -n $box ]]; then
            echo "the computer won; the tries go on in a new game"
            e2e_key "$box" Return
            e2e_wait_no_window Victory
            n=0
        fi
        ((n++ < TIMEOUT * 5)) || fail "Player 1's turn: pixel (380,392) is $(e2e_board_pixel 380 392)"
        sleep 0.2
    done
}

# Two clicks on Roll, the second <ms> after the first; says "kept", "taken" or "bust".
try_clicks() {
    await_player_1
    e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
    marker_at_home || fail "a marker is placed before the roll"
    # Press to press: xdotool's click holds the button a while before letting go.
    xdotool mousemove $((BOARD_X + 470)) $((BOARD_Y + 413)) mousedown 1 mouseup 1 \
        sleep "$(bc <<<"scale=3; $1 / 1000")" mousedown 1 mouseup 1
    sleep 0.8
    if [[ $(e2e_board_pixel 380 392) != "$SEAT_1" ]] || ! { choices_shown || ! marker_at_home; }; then
        TRY=bust
    elif choices_shown && marker_at_home; then
        TRY=kept
    else
        TRY=taken
    fi
}

# Ends Player 1's turn: a choice taken, if any, then S; the computer plays.
end_turn() {
    if choices_shown; then
        e2e_click_board 470 413
        e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button after a choice"
    fi
    [[ $(e2e_board_pixel 380 392) == "$SEAT_1" ]] && e2e_key "$MAIN" s
    sleep 0.3
}

tries=0 kept=0
for ms in 100 250 400 100 250 400; do
    for _ in 1 2 3; do  # a roll that offers no move is tried again
        try_clicks "$ms"
        [[ $TRY == bust ]] || break
        echo "clicks $ms ms apart: the roll was a bust, again"
    done
    [[ $TRY == bust ]] && fail "three busts in a row"
    tries=$((tries + 1))
    echo "clicks $ms ms apart: the choice was $TRY"
    [[ $TRY == kept ]] || fail "the second click, $ms ms after the roll's, took a choice"
    kept=$((kept + 1))
    end_turn
done
echo "double-clicks that left the choices waiting: $kept of $tries"

taken=0 tries=0
for _ in 1 2; do
    for _ in 1 2 3; do
        try_clicks 600
        [[ $TRY == bust ]] || break
    done
    [[ $TRY == bust ]] && fail "three busts in a row"
    tries=$((tries + 1))
    [[ $TRY == taken ]] || fail "a click 600 ms after the roll's did not take the choice under it"
    taken=$((taken + 1))
    end_turn
done
echo "clicks 600 ms after the roll's that took the choice: $taken of $tries"
echo "PASS"
