#!/usr/bin/env bash
# The Windows program under Wine, driven as a player drives it: the set-up
# dialog over the empty main window, Enter starts a game, the board's colours
# where the board view puts them, R rolls and offers choices, a choice and a
# stop hand the turn to the quick computer and back, a double-click on Roll
# rolls once, F1 opens the about box and Enter closes it, H shows the hint,
# How to Play opens the rules page the build put beside the exe, and the close
# command asks before it quits.
source "$(dirname "$0")/lib_wine.bash"

require_tools
start_x
start_wine
# A browser for .html pages, as a player's Windows has: Wine's, which hands
# them to the desktop's xdg-open; a stand-in for that writes down what it got.
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1 || fail "cannot register the browser for .html"
mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
# Wine's multimedia trace shows which sound each PlaySoundA found, even with no sound device.
export WINEDEBUG=-all,trace+winmm
start_program zarvelin

main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")
pass "the main window and the set-up dialog are shown"

# The dialog stands over the main window: inside its frame and above it.
eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/main_/')"
eval "$(xdotool getwindowgeometry --shell "$setup" | sed 's/^/setup_/')"
[ "$setup_X" -gt "$main_X" ] && [ "$setup_Y" -gt "$main_Y" ] &&
    [ $((setup_X + setup_WIDTH)) -lt $((main_X + main_WIDTH)) ] &&
    [ $((setup_Y + setup_HEIGHT)) -lt $((main_Y + main_HEIGHT)) ] ||
    fail "the set-up dialog is not over the main window"
# xwininfo lists the top window first; awk reads to the end (no broken pipe under pipefail).
stacking=$(xwininfo -root -children | awk -v a="$(printf '0x%x' "$setup")" -v b="$(printf '0x%x' "$main")" \
    '!found && $1 == a {print "setup"; found = 1} !found && $1 == b {print "main"; found = 1}')
[ "$stacking" = setup ] || fail "the set-up dialog is below the main window"
pass "the set-up dialog is over the main window"

# Before the first game the window shows only its background.
find_client_origin "$main"
screenshot
for at in "5 5" "180 395" "447 31" "421 407"; do
    [ "$(client_pixel $at)" = "$background_rgb" ] || fail "before the game ($at) is $(client_pixel $at)"
done
pass "before the first game the client area is the background colour"

# Enter is the dialog's default button: the game starts with the defaults.
key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
expect_client_pixel 180 395 160,0,0 "board"
expect_client_pixel 5 5 "$background_rgb" "background outside the board"
expect_client_pixel 421 407 0,255,0 "Roll button"
expect_client_pixel 379 391 0,180,0 "active-player square (seat 1)"
expect_client_pixel 381 393 0,0,0 "frame inside the active-player square"
expect_client_pixel 447 31 "$background_rgb" "no dice before the first roll"

# R rolls: the dice appear and the Roll button gives way to framed choice boxes.
key "$main" r
expect_client_pixel 447 31 160,0,0 "die 1 after the roll"
expect_client_pixel 418 410 0,255,0 "frame of the lowest choice box"
expect_client_pixel 421 407 "$background_rgb" "inside the lowest choice box"
clicks() { grep -c 'SoundName=#0068' "$work/zarvelin.log" || true; }
clicks_played() { [ "$(clicks)" -ge 7 ]; }
wait_until 30 "the roll's clicks (WAVE 104)" clicks_played
[ "$(clicks)" = 7 ] || fail "one roll played $(clicks) clicks"
grep -q 'nSamplesPerSec=22050' "$work/zarvelin.log" || fail "the click is not the 22050 Hz sound"
pass "one roll plays the click resource (22050 Hz) seven times"

# A click on the lowest choice box takes it; S then stops, and the quick
# computer of seat 2 plays its whole turn before seat 1 is asked again.
xdotool mousemove $((client_x + 470)) $((client_y + 413)) click 1
expect_client_pixel 421 407 0,255,0 "Roll button once the choice is made"
expect_client_pixel 421 335 160,0,0 "Stop button after the first roll"
key "$main" s
computer_rolled() { [ "$(clicks)" -ge 14 ]; }
wait_until 120 "seat 2's rolls" computer_rolled
pass "the computer rolls after seat 1 stops"
expect_client_pixel 379 391 0,180,0 "seat 1 active again after the computer's turn"
expect_client_pixel 421 407 0,255,0 "Roll button for seat 1"
expect_client_pixel 421 335 "$background_rgb" "no Stop button before seat 1 rolls"

# A double-click on Roll rolls once: the second click, made during the roll's
# animation, is dropped rather than taking the lowest choice box where Roll was.
xdotool mousemove $((client_x + 470)) $((client_y + 413)) click --repeat 2 --delay 20 1
expect_client_pixel 418 410 0,255,0 "frame of the lowest choice box after the double-click"
sleep 1
[ "$(client_pixel 421 407)" = "$background_rgb" ] || fail "the second click of a double-click took a choice"
pass "a double-click on Roll leaves the choice waiting"

key "$main" F1
wait_for_window "About Zarvelin" 60 >/dev/null
pass "F1 opens the about box"
key "$(find_window "About Zarvelin")" Return
wait_until 60 "the about box to close" window_gone "About Zarvelin"
pass "Enter closes the about box"

# H, on a person's turn, shows what the computer would do.
key "$main" h
wait_for_window Hint 60 >/dev/null
key "$(find_window Hint)" Return
wait_until 60 "the hint to close" window_gone Hint
pass "H shows the hint"

key "$main" alt+h Return
wait_until 60 "How to Play to open a page" test -s "$work/opened"
[ "$(cat "$work/opened")" = "file://$(dirname "$exe")/rules.html" ] ||
    fail "How to Play opened \"$(cat "$work/opened")\", not the rules page beside the build's exe"
pass "How to Play opens the rules page beside the build's exe"

# The close command (Alt+F4) during a game asks first; Cancel (Esc) keeps playing.
key "$main" alt+F4
wait_for_window "Confirm Quit" 60 >/dev/null
pass "the close command asks \"Confirm Quit\""
key "$(find_window "Confirm Quit")" Escape
wait_until 60 "the question to close" window_gone "Confirm Quit"
program_ended zarvelin && fail "the program ended although the quit was cancelled"
expect_client_pixel 418 410 0,255,0 "the game goes on after Cancel, the choice still waiting"

# OK quits with exit status 0.
key "$main" alt+F4
wait_for_window "Confirm Quit" 60 >/dev/null
key "$(find_window "Confirm Quit")" Return
wait_until 60 "the program to end" program_ended zarvelin
[ "$(program_status zarvelin)" = 0 ] || fail "exit status $(program_status zarvelin) after OK to quit"
pass "OK to \"Confirm Quit\" ends the program with status 0"
