#!/usr/bin/env bash
# The Windows program under Wine: the Victory box of a player with a 255-letter
# name fits the 1024 by 768 screen (the system's box wraps at spaces only; the
# name is broken into lines for it). Two quick computers bearing the name play
# to one column, from the remembered set-up.
source "$(dirname "$0")/lib_wine.bash"
require_tools
start_x
start_wine

roaming=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -name Roaming | head -n 1)
[ -n "$roaming" ] || fail "no Application Data folder in the Wine prefix"
mkdir -p "$roaming/Zarvelin"
long=$(printf 'W%.0s' $(seq 255))
printf 'players=2\r\ncolumns_to_win=1\r\nname_1=%s\r\nname_2=%s\r\n' "$long" "$long" >"$roaming/Zarvelin/settings.txt"

start_program zarvelin
setup=$(wait_for_window "Set Up Game")
read -r sx sy < <(window_origin "$setup")
eval "$(xdotool getwindowgeometry --shell "$setup" | grep -E '^(WIDTH|HEIGHT)=')"
# Seat 1's Computer button, where the 295 by 322 dialog shows it.
xdotool mousemove $((sx + 95 * WIDTH / 295)) $((sy + 65 * HEIGHT / 322)) click 1
key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"

box=$(wait_for_window Victory 240)
eval "$(xdotool getwindowgeometry --shell "$box")"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1024 ] && [ $((Y + HEIGHT)) -le 768 ] ||
    fail "the Victory box is ${WIDTH}x$HEIGHT at $X,$Y: not on the 1024x768 screen"
pass "the Victory box with a 255-letter name is ${WIDTH}x$HEIGHT at $X,$Y"
key "$box" n
wait_until 60 "the program to end after No" program_ended zarvelin
echo "PASS"
