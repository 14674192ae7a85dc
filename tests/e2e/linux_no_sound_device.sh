# Without a sound device the program says so in one line at most, never in the
# sound library's own error lines, and plays silently. Two starts: the sound
# system SDL picks itself (no sound server can be found from this test's
# private runtime folder, and a machine without a sound card has no device),
# and ALSA asked for a card that is not there.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
unset SDL_AUDIODRIVER

# Starts a game, rolls once (seven silent clicks), quits, and checks the output.
play_once() {
    e2e_start_game
    e2e_start_with_defaults
    e2e_key "$MAIN" r
    e2e_wait_board_pixel 448 32 $BOARD "the dice after a silent roll"
    e2e_close_window "$MAIN"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Return
    local status lines
    status=$(e2e_wait_exit)
    [[ $status == 0 ]] || fail "$1: exit status $status"
    grep -q 'ALSA lib' "$WORK/game.log" && fail "$1: the sound library's errors reach the terminal"
    lines=$(wc -l <"$WORK/game.log")
    ((lines <= 1)) || fail "$1: $lines lines of output"
    echo "$1: ${lines} line: $(cat "$WORK/game.log")"
}

play_once "SDL's own choice of sound system"
SDL_AUDIODRIVER=alsa AUDIODEV=hw:99,0 play_once "ALSA on a missing card"
echo "PASS"
