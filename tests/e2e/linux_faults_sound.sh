# Sound devices that fail never hold the game up. With a sound driver that does
# not exist the game plays silently with the same pauses: the bust notice still
# stands its second. A sound server that accepts and never answers, and a disk
# driver writing into a FIFO nobody reads, delay neither the first window nor a
# second copy's request, and the program still ends at once when closed.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x

# The close box and Confirm Quit end the program with status 0 within a few seconds.
quit_promptly() {
    e2e_close_window "$(e2e_wait_window Zarvelin)"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Return
    local status
    status=$(TIMEOUT=5 e2e_wait_exit) || fail "the program did not end within 5 s of Confirm Quit"
    [[ $status == 0 ]] || fail "exit status $status after Confirm Quit"
}

# No such driver: silent, and the bust notice still lasts its second.
export SDL_AUDIODRIVER=nonexistent
e2e_start_game
e2e_start_with_defaults
e2e_play_until_bust "$MAIN"
t0=$(e2e_now_ms)
while [[ $(e2e_board_pixel 418 413) == "$BACKGROUND" ]] && e2e_board_area_has 418 384 104 18 "$WHITE"; do
    sleep 0.05
done
shown=$(($(e2e_now_ms) - t0))
# It was seen some time after it appeared: a notice without its pause would hardly be seen at all.
((shown >= 500)) || fail "the bust notice stood only $shown ms"
echo "no sound driver: the bust notice stood at least $shown ms"
quit_promptly

# A sound server that takes the connection and never says a word.
e2e_silent_peer listen "$WORK/pulse.sock"
export SDL_AUDIODRIVER=pulseaudio PULSE_SERVER=unix:$WORK/pulse.sock
e2e_start_timed "silent sound server"
# A second copy started meanwhile brings the first one forward and exits 0.
timeout 10 "$ZARVELIN" >"$WORK/second.log" 2>&1
status=$?
[[ $status == 0 ]] || fail "the second copy exited with $status: $(cat "$WORK/second.log")"
count=$(xdotool search --name "^Set Up Game\$" | wc -l)
[[ $count == 1 ]] || fail "$count set-up dialogs"
e2e_start_with_defaults
quit_promptly
unset PULSE_SERVER

# The disk driver writing into a file: once the device is open the clicks of a
# roll reach it (silence is 0x80 in its unsigned 8-bit samples).
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.raw
e2e_start_game
e2e_start_with_defaults
e2e_key "$MAIN" r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices after a roll"
quit_promptly
od -An -v -tx1 "$WORK/audio.raw" | tr -s ' ' '\n' | grep -qv '^\(80\|\)$' || fail "no click reached the sound file"

# The disk driver writing into a FIFO: opening it waits for a reader forever.
mkfifo "$WORK/audio.fifo"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$WORK/audio.fifo
e2e_start_timed "sound file a FIFO nobody reads"
e2e_start_with_defaults
quit_promptly
echo "PASS"
