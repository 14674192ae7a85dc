#!/usr/bin/env bash
# The Game menu in the Windows program under Wine: Take Turns Starting makes
# the next game start with the seat after the one that started the last, and
# a level chosen during a game is the one the next game's computer plays; both
# are remembered in %APPDATA%\Zarvelin at the next start. The dice follow
# ZARVELIN_SEED, so another level makes the computer's first turn another.
source "$(dirname "$0")/lib_wine.bash"

# The seed on which the three levels' first turns end differently (see linux_game_menu.sh).
export ZARVELIN_SEED=${E2E_LEVEL_SEED:-10}
seat_1=0,180,0
highlight=0,255,0
board=160,0,0

require_tools
start_x
start_wine

settings=
setting_is() { grep -qx "$1" "$settings"; }
expect_setting() { wait_until 30 "$1 in $settings" setting_is "$1"; }

# Starts the program, takes the set-up dialog as it opens and waits for the board.
start_run() {
    start_program "$1"
    main=$(wait_for_window Zarvelin)
    key "$(wait_for_window "Set Up Game")" Return
    wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
    find_client_origin "$main"
    settings=$(find "$WINEPREFIX/drive_c/users" -path '*Zarvelin/settings.txt' 2>/dev/null | head -n 1)
    [ -n "$settings" ] || fail "the set-up was not remembered when the game started"
}

quit_run() {
    key "$main" alt+F4
    key "$(wait_for_window "Confirm Quit" 60)" Return
    wait_until 60 "the program to end" program_ended "$1"
}

# A new game from F2: Confirm Restart, then the set-up dialog as it stands.
new_game() {
    key "$main" F2
    key "$(wait_for_window "Confirm Restart" 60)" Return
    key "$(wait_for_window "Set Up Game" 60)" Return
    wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
}

# The person (seat 1) to move and no die rolled yet: the window may still show
# the last game for a moment, so this is waited for.
person_starts() {
    client_pixel_is 421 407 $highlight && [ "$(client_pixel 380 392)" = $seat_1 ] &&
        [ "$(client_pixel 448 32)" != $board ]
}
expect_person_starts() {
    wait_until 30 "$1: seat 1 to make the game's first roll" person_starts
    pass "$1: seat 1 starts"
}

# The computer (seat 2) started and played its turn, and the person is to
# move: prints a checksum of the board as the computer's turn left it.
computer_turn_board() {
    computer_done() { client_pixel_is 448 32 $board && [ "$(client_pixel 380 392)" = $seat_1 ] &&
        [ "$(client_pixel 421 407)" = $highlight ]; }
    wait_until 60 "$1: the computer's turn to end with seat 1 to move" computer_done
    sleep 1
    screenshot
    convert "$work/screen.png" -crop "528x430+$client_x+$client_y" +repage rgb:- | md5sum
}

start_run first
expect_person_starts "the run's first game"
setting_is 'take_turns_starting=off' && setting_is 'computer=standard' ||
    fail "the Game menu's defaults were not remembered: $(cat "$settings")"
key "$main" alt+g t
expect_setting 'take_turns_starting=on'
key "$main" alt+g x
expect_setting 'computer=expert'
expect_person_starts "the game under way"
new_game
expert=$(computer_turn_board "the next game, expert")
quit_run first
pass "Take Turns Starting and the expert level reach the next game"

start_run second
expect_person_starts "the second run's first game"
new_game
[ "$(computer_turn_board "the remembered expert")" = "$expert" ] ||
    fail "the remembered expert with the same seed played another turn"
quit_run second
pass "the level and Take Turns Starting are remembered at the next start"

start_run third
key "$main" alt+g s
expect_setting 'computer=standard'
new_game
standard=$(computer_turn_board "the standard computer")
[ "$standard" != "$expert" ] || fail "the standard computer played the expert's turn"
key "$main" alt+g e
expect_setting 'computer=easy'
key "$main" alt+g t
expect_setting 'take_turns_starting=off'
new_game
expect_person_starts "with Take Turns Starting off"
pass "the standard computer plays its own turn; Take Turns Starting switches off"
quit_run third
