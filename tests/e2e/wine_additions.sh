#!/usr/bin/env bash
# The additions in the Windows program under Wine: Down selects the top choice
# box and Enter takes it; File > Sound switches the sound off, which is
# remembered in %APPDATA%\Zarvelin with the set-up; File > Records shows the
# records in their box; and the next start opens with the remembered set-up.
source "$(dirname "$0")/lib_wine.bash"

require_tools
start_x
start_wine
start_program first

main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")
key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
find_client_origin "$main"
expect_client_pixel 421 407 0,255,0 "Roll button"

# R rolls; Down selects the top box (a white frame inside it), Enter takes it.
key "$main" r
expect_client_pixel 418 410 0,255,0 "frame of the lowest choice box"
top=410
while [ "$(client_pixel 418 $((top - 24)))" = 0,255,0 ]; do top=$((top - 24)); done
[ "$(client_pixel 419 $top)" = 100,0,100 ] && [ "$(client_pixel 420 $top)" = 100,0,100 ] ||
    fail "a selection is drawn before an arrow key"
key "$main" Down
# Two pixels in the text's colour just inside the box's green frame.
expect_client_pixel 419 $top 255,255,255 "the selection frame inside the top box"
expect_client_pixel 420 $top 255,255,255 "the selection frame's second pixel"
key "$main" Return
expect_client_pixel 421 407 0,255,0 "Roll button once Enter took the selected choice"
pass "Down and Enter take the top choice"

# File > Sound (Alt+F, S): off, and remembered at once.
settings=$(find "$WINEPREFIX/drive_c/users" -path '*Zarvelin/settings.txt' 2>/dev/null | head -n 1)
[ -n "$settings" ] && grep -q '^sound=on' "$settings" || fail "the set-up was not remembered when the game started"
key "$main" alt+f s
sound_off() { grep -q '^sound=off' "$settings"; }
wait_until 30 "the sound switched off in $settings" sound_off
pass "File > Sound switches the sound off and it is remembered"

# File > Records: the records' box, in its fixed-width font, closed with Enter.
key "$main" alt+f r
records=$(wait_for_window Records 60)
key "$records" Return
wait_until 30 "the records' box to close" window_gone Records
pass "File > Records shows the records"

key "$main" alt+F4
key "$(wait_for_window "Confirm Quit" 60)" Return
wait_until 60 "the program to end" program_ended first

# The next start: the remembered set-up goes through the dialog unchanged.
cp "$settings" "$work/settings.before"
start_program second
key "$(wait_for_window "Set Up Game")" Return
main=$(wait_for_window Zarvelin)
key "$main" alt+F4
key "$(wait_for_window "Confirm Quit" 60)" Return
wait_until 60 "the second start to end" program_ended second
cmp -s "$settings" "$work/settings.before" || fail "the next start did not keep the remembered set-up"
pass "the next start opens with the remembered set-up"
