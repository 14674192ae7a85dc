# One copy per user: a second copy brings the first one's window back to the
# front and exits 0 without a window of its own; a marker left by a copy that
# was killed does not stop the next start.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

e2e_start_with_defaults

# Take the window off the screen, then start a second copy.
xdotool windowunmap --sync "$MAIN"
e2e_wait_board_pixel 57 213 0,0,0 "the bare screen once the window is gone"
timeout $TIMEOUT "$ZARVELIN" >"$WORK/second.log" 2>&1
status=$?
[[ $status == 0 ]] || fail "the second copy exited with $status: $(cat "$WORK/second.log")"
e2e_wait_board_pixel 57 213 $BOARD "the first copy's board back in front"
count=$(xdotool search --name "^Zarvelin\$" | wc -l)
[[ $count == 1 ]] || fail "$count windows named Zarvelin"

# A copy killed outright leaves its socket behind; the next copy starts anyway.
kill -KILL "$(e2e_game_pid)"
e2e_wait_exit >/dev/null
e2e_wait_no_window Zarvelin
e2e_start_game
e2e_wait_window "Set Up Game" >/dev/null
echo "PASS"
