#!/usr/bin/env bash
# A second copy of the Windows program brings the running copy to the front
# and ends with status 0, opening nothing of its own.
#
# Wine without a window manager does not restack the X windows, so "to the
# front" is seen where Wine shows it: the running copy's caption turns to the
# active colour, taken from another program's window (Wine's notepad) that
# held the focus before.
source "$(dirname "$0")/lib_wine.sh"

require_tools
start_x
start_wine
start_program first
main=$(wait_for_window Zarvelin)
key "$(wait_for_window "Set Up Game")" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"

# Another program takes the focus: a click into Wine's notepad.
(wine notepad >"$work/notepad.log" 2>&1 &)
notepad=$(wait_for_window "Untitled - Notepad" 120)
# Small and in the corner, clear of the main window's caption (Wine follows the move).
xdotool windowsize "$notepad" 400 300 windowmove "$notepad" 10 10
wait_until 30 "notepad to move" test "$(window_origin "$notepad")" = "10 10"
eval "$(xdotool getwindowgeometry --shell "$notepad" | sed 's/^/notepad_/')"
eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/main_/')"
xdotool mousemove $((notepad_X + 100)) $((notepad_Y + 100)) click 1

# A point of each caption clear of its title text and its buttons.
caption_of_main() { pixel $((main_X + main_WIDTH - 80)) $((main_Y + 4)); }
caption_of_notepad() { pixel $((notepad_X + notepad_WIDTH - 80)) $((notepad_Y + 4)); }
captions_differ() {
    screenshot
    [ "$(caption_of_main)" != "$(caption_of_notepad)" ]
}
wait_until 30 "notepad to become the active window" captions_differ
active=$(caption_of_notepad)
inactive=$(caption_of_main)

start_program second
wait_until 120 "the second copy to end" program_ended second
[ "$(program_status second)" = 0 ] || fail "the second copy ended with status $(program_status second)"
pass "the second copy ends with status 0"

[ "$(xdotool search --name '^(Zarvelin|Set Up Game)$' | wc -l)" = 1 ] ||
    fail "the second copy opened a window of its own"
program_ended first && fail "the running copy ended"
pass "the second copy opened nothing and the first runs on"

main_is_active() {
    screenshot
    [ "$(caption_of_main)" = "$active" ] && [ "$(caption_of_notepad)" = "$inactive" ]
}
wait_until 30 "the running copy to come to the front" main_is_active
pass "the running copy is the active window again"
