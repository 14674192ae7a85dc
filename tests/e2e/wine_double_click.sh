#!/usr/bin/env bash
# The Windows program under Wine: a double-click on Roll rolls once. Its second
# click, 100, 250 or 400 ms after the first, press to press (within Windows'
# double-click time, 500 ms by default), leaves the choices on screen and
# places no marker, though a choice box now stands where Roll was. A click
# 600 ms after the one that rolled takes the choice under it.
source "$(dirname "$0")/lib_wine.bash"

require_tools
start_x
start_wine
start_program zarvelin

main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")
find_client_origin "$main"
key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
expect_client_pixel 421 407 0,255,0 "Roll button"

seat_1=0,180,0 highlight=0,255,0 white=255,255,255
# From the last screenshot: the choices are shown (the lowest box's frame, its
# inside), the top marker is at home, seat 1 has the turn.
choices_shown() { [ "$(client_pixel 418 410)" = $highlight ] && [ "$(client_pixel 421 407)" = "$background_rgb" ]; }
marker_at_home() { [ "$(client_pixel 32 349)" = $white ]; }
seat_1_plays() { [ "$(client_pixel 379 391)" = $seat_1 ]; }

# Seat 1's turn, or else the computer has won a game meanwhile (to three
# columns in a few turns now and then): its Victory box is answered Yes and
# the tries go on in the next game.
seat_1_turn_or_victory() {
    local box
    if box=$(find_window Victory); then
        echo "the computer won; the tries go on in a new game"
        key "$box" Return
        wait_until 30 "the Victory box to close" window_gone Victory
    fi
    screenshot
    seat_1_plays
}

# Two clicks on Roll, the second <ms> after the first; sets TRY to kept, taken or bust.
try_clicks() {
    wait_until 60 "seat 1's turn" seat_1_turn_or_victory
    expect_client_pixel 421 407 $highlight "the Roll button"
    marker_at_home || fail "a marker is placed before the roll"
    xdotool mousemove $((client_x + 470)) $((client_y + 413)) mousedown 1 mouseup 1 \
        sleep "$(bc <<<"scale=3; $1 / 1000")" mousedown 1 mouseup 1
    sleep 1.2
    screenshot
    if ! seat_1_plays || { ! choices_shown && marker_at_home; }; then
        TRY=bust
    elif choices_shown && marker_at_home; then
        TRY=kept
    else
        TRY=taken
    fi
}

# Ends seat 1's turn: a choice taken if one is waiting, then S; the computer plays.
end_turn() {
    screenshot
    if choices_shown; then
        xdotool mousemove $((client_x + 470)) $((client_y + 413)) click 1
        expect_client_pixel 421 407 $highlight "the Roll button after a choice"
    fi
    screenshot
    seat_1_plays && key "$main" s
    sleep 0.5
}

# A roll that offers no move passes the turn: that try is made again.
try_until_not_bust() {
    local n
    for n in 1 2 3; do
        try_clicks "$1"
        [ "$TRY" != bust ] && return
        echo "clicks $1 ms apart: the roll was a bust, again"
    done
    fail "three busts in a row"
}

kept=0
for ms in 100 250 400; do
    try_until_not_bust "$ms"
    echo "clicks $ms ms apart: the choice was $TRY"
    [ "$TRY" = kept ] || fail "the second click, $ms ms after the roll's, took a choice"
    kept=$((kept + 1))
    end_turn
done
pass "double-clicks that left the choices waiting: $kept of 3"

try_until_not_bust 600
[ "$TRY" = taken ] || fail "a click 600 ms after the roll's did not take the choice under it"
pass "a click 600 ms after the roll's took the choice under it"
