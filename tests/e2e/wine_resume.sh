#!/usr/bin/env bash
# The Windows program under Wine: a game killed outright comes back at the
# next start. "Resume Game" is asked first; Yes shows the board as it stood,
# and the game goes on.
source "$(dirname "$0")/lib_wine.bash"

require_tools
start_x
start_wine
keep_saved_game=1
start_program first

main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")
find_client_origin "$main"
read -r wx wy < <(window_origin "$main")
dx=$((client_x - wx)) dy=$((client_y - wy))
key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
expect_client_pixel 421 407 0,255,0 "Roll button"

# R rolls; a key takes one of the choices and the Roll button comes back.
key "$main" r
expect_client_pixel 418 410 0,255,0 "frame of the lowest choice box"
roll_back() { client_pixel_is 421 407 0,255,0; }
taken=
for k in Return 2 3 4 5 6 7 8 9 1; do
    key "$main" "$k"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        roll_back && { taken=$k; break 2; }
        sleep 0.3
    done
done
[ -n "$taken" ] || fail "no key took a choice"
board_sum() {
    screenshot
    convert "$work/screen.png" -crop "528x430+$client_x+$client_y" +repage rgb:- | md5sum
}
sleep 1
before=$(board_sum)
saved=$(find "$WINEPREFIX/drive_c/users" -path '*Zarvelin/saved-game.txt' | head -n 1)
[ -s "$saved" ] || fail "no game was saved in %APPDATA%\\Zarvelin"
pass "a roll and a choice, saved as $saved"

# Killed outright: SIGKILL to the program's own process, the child of its runner.
program=$(pgrep -P "${program_pids[0]}" | head -n 1)
[ -n "$program" ] || fail "the program's process was not found"
kill -KILL "$program"
wait_until 60 "the program to end" program_ended first
wait_until 60 "the window to go" window_gone Zarvelin

start_program second
resume=$(wait_for_window "Resume Game")
pass "the next start asks \"Resume Game\""
key "$resume" Return
wait_until 60 "the question to close" window_gone "Resume Game"
main=$(wait_for_window Zarvelin)
read -r wx wy < <(window_origin "$main")
client_x=$((wx + dx)) client_y=$((wy + dy))
same_board() { [ "$(board_sum)" = "$before" ]; }
wait_until 60 "the board as it stood before the kill" same_board
pass "Yes shows the board as it stood"

# S banks the turn; the computer plays its own and hands back.
dice_sum() {
    screenshot
    convert "$work/screen.png" -crop "38x188+$((client_x + 446))+$((client_y + 30))" +repage rgb:- | md5sum
}
dice_before=$(dice_sum)
key "$main" s
dice_changed() { [ "$(dice_sum)" != "$dice_before" ]; }
wait_until 60 "the computer's roll" dice_changed
expect_client_pixel 379 391 0,180,0 "the turn back with seat 1"
expect_client_pixel 421 407 0,255,0 "the Roll button for seat 1"
pass "the resumed game goes on"
