#!/usr/bin/env bash
# A second copy of the Windows program brings the running copy to the front
# and ends with status 0, opening nothing of its own.
#
# Wine without a window manager does not restack X windows, so "to the front"
# is seen where Wine shows it: the running copy's caption, grey while another
# program (Wine's own about box, winver) has come up, turns back to the active
# colour, the colour the set-up dialog's caption had when it opened active.
source "$(dirname "$0")/lib_wine.bash"

require_tools
start_x
start_wine
start_program first
main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")

# A point of a window's caption clear of its title text and its buttons.
caption_of() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    pixel $((X + WIDTH - 80)) $((Y + 4))
}
caption_painted() {
    screenshot
    [ "$(caption_of "$setup")" != 0,0,0 ]
}
wait_until 60 "the set-up dialog's caption" caption_painted
active=$(caption_of "$setup")

key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"

(wine winver >"$work/winver.log" 2>&1 &)
wait_for_window "About Wine.*" 120 >/dev/null
main_inactive() {
    screenshot
    [ "$(caption_of "$main")" != "$active" ]
}
wait_until 60 "the main window to lose the front to winver" main_inactive

start_program second
wait_until 120 "the second copy to end" program_ended second
[ "$(program_status second)" = 0 ] || fail "the second copy ended with status $(program_status second)"
pass "the second copy ends with status 0"

[ "$(xdotool search --name '^(Zarvelin|Set Up Game)$' | wc -l)" = 1 ] ||
    fail "the second copy opened a window of its own"
program_ended first && fail "the running copy ended"
pass "the second copy opened nothing and the first runs on"

main_active() {
    screenshot
    [ "$(caption_of "$main")" = "$active" ]
}
wait_until 30 "the running copy to come to the front" main_active
pass "the running copy is the active window again"
