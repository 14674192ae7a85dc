#!/usr/bin/env bash
# The score sheet in the Windows program under Wine: F3 opens a window "Score
# Sheet" beside the main window, not over it, and the keys stay with the main
# window (R rolls, S stops, typed without giving anyone the focus); after the
# computer's turn Save Log writes a log with that seat's line; F3 closes the
# sheet and opens it again with the log kept.
E2E_SCREEN=2000x1000x24
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

key "$main" F3
sheet=$(wait_for_window "Score Sheet" 60)
geometry() { xdotool getwindowgeometry --shell "$1" | awk -F= '$1 == "X" || $1 == "Y" || $1 == "WIDTH" {printf "%s ", $2} END {print ""}'; }
read -r mx my mw < <(geometry "$main")
read -r sx sy sw < <(geometry "$sheet")
[ "$sx" -ge $((mx + mw)) ] || [ $((sx + sw)) -le "$mx" ] ||
    fail "the sheet ($sx..$((sx + sw))) stands over the main window ($mx..$((mx + mw)))"
pass "F3 opens the sheet beside the main window"

# From here the keys go where the program left the focus.
xdotool key --delay 50 r
expect_client_pixel 418 410 0,255,0 "the choices after R with the sheet open"
xdotool mousemove $((client_x + 470)) $((client_y + 410)) click 1
expect_client_pixel 421 407 0,255,0 "Roll button after the choice"
xdotool key --delay 50 s
pass "R rolls and S stops with the sheet open"

# Save Log: the first pixel of its red face in the sheet, found on the screen.
find_save_button() {
    screenshot
    read -r save_x save_y < <(convert "$work/screen.png" -crop "${sw}x80+$sx+$sy" +repage txt:- |
        awk -v sx="$sx" -v sy="$sy" -F'[:, ]+' 'NR > 1 && !found && index($0, "(160,0,0)") { print sx + $1, sy + $2; found = 1 } END { if (!found) print "" }')
    [ -n "$save_x" ] || fail "no Save Log button in the sheet"
}
n=0
save_log() {
    n=$((n + 1))
    log=$WINEPREFIX/drive_c/log-$n.txt
    xdotool mousemove $((save_x + 20)) $((save_y + 6)) click 1
    dialog=$(wait_for_window "Save Log" 60)
    key "$dialog" ctrl+a
    xdotool type --delay 30 "C:\\log-$n.txt"
    xdotool key Return
    wait_until 60 "the log saved to $log" test -s "$log"
}
find_save_button
tries=0
while :; do
    save_log
    grep -q '^Turn 2, [^:]*: .*\.$' "$log" && break
    tries=$((tries + 1))
    [ $tries -lt 15 ] || fail "no finished line for the computer's turn in the log: $(cat "$log")"
    sleep 1
done
grep -q '^Turn 1, Player 1: 1 roll; took' "$log" || fail "the person's turn is not in the log: $(cat "$log")"
pass "Save Log writes the computer's turn: $(grep '^Turn 2' "$log" | cut -c1-50)..."

key "$main" F3
wait_until 30 "the sheet to close" window_gone "Score Sheet"
key "$main" F3
sheet=$(wait_for_window "Score Sheet" 60)
read -r sx sy sw < <(geometry "$sheet")
find_save_button
save_log
grep -q '^Turn 2, [^:]*: .*\.$' "$log" || fail "closing and opening the sheet lost the log: $(cat "$log")"
pass "closed and opened again, the sheet keeps the log"

key "$main" alt+F4
key "$(wait_for_window "Confirm Quit" 60)" Return
wait_until 60 "the program to end" program_ended first
