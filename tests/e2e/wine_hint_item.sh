#!/usr/bin/env bash
# Help > Hint in the Windows program under Wine: it can be chosen on a
# person's turn, and is greyed, with H doing nothing, on the computer's turn
# (a slow computer, which waits for a click before each of its steps).
source "$(dirname "$0")/lib_wine.bash"

require_tools
start_x
start_wine
start_program hint

main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")
# "Computer Moves Slowly", by the label's place in the template's dialog units (165 by 183).
eval "$(xdotool getwindowgeometry --shell "$setup")"
xdotool mousemove $((X + 70 * WIDTH / 165)) $((Y + 109 * HEIGHT / 183)) click 1
key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
find_client_origin "$main"
expect_client_pixel 421 407 0,255,0 "Roll button"

# Opens the Help menu and says whether the Hint item's label has black
# (enabled) pixels: a greyed label has none.
hint_item_enabled() {
    local black
    key "$main" alt+h
    sleep 1
    screenshot
    # Under "&Help" at the right end of the bar, over the board; Hint is the second item.
    # (grep counts, reading to the end: an early exit would break the pipe under pipefail.)
    black=$(convert "$work/screen.png" -crop "30x12+$((client_x + 507))+$((client_y + 21))" +repage txt:- |
        grep -c "(0,0,0)" || true)
    key "$main" Escape Escape
    sleep 0.5
    [ "$black" -gt 0 ]
}

hint_item_enabled || fail "Help > Hint is greyed on the person's turn"
key "$main" h
key "$(wait_for_window Hint 60)" Return
wait_until 60 "the hint to close" window_gone Hint
pass "Help > Hint and H on the person's turn"

# The person rolls, takes the top choice with Down and Enter, and stops: the slow computer's turn.
key "$main" r
expect_client_pixel 418 410 0,255,0 "frame of the lowest choice box"
key "$main" Down Return
expect_client_pixel 421 407 0,255,0 "Roll button once the choice is taken"
key "$main" s
expect_client_pixel 380 392 0,0,255 "the computer's turn"
hint_item_enabled && fail "Help > Hint is not greyed on the computer's turn"
key "$main" h
sleep 2
window_shown Hint && fail "H showed a hint on the computer's turn"
pass "Help > Hint is greyed and H does nothing on the computer's turn"

key "$main" alt+F4
key "$(wait_for_window "Confirm Quit" 60)" Return
wait_until 60 "the program to end" program_ended hint
