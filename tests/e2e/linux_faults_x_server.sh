# The X server going away mid-game: the program exits non-zero within a few
# seconds, and what it leaves behind does not hold up the next start on a new
# server, which is guarded again.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game
e2e_start_with_defaults
e2e_key "$MAIN" r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices after a roll"

kill -KILL "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null
XVFB_PID=
status=$(TIMEOUT=5 e2e_wait_exit) || fail "the program still runs 5 s after the X server went away"
[[ $status != 0 ]] || fail "the program exited 0 without its X server"
echo "X server gone: the program exited with $status"

e2e_start_x
t0=$(e2e_now_ms)
e2e_start_game
TIMEOUT=5 e2e_wait_window "Set Up Game" >/dev/null
echo "next start: first window after $(($(e2e_now_ms) - t0)) ms"
timeout 5 "$ZARVELIN" >"$WORK/second.log" 2>&1 || fail "the second copy exited with $?: $(cat "$WORK/second.log")"
[[ $(xdotool search --name "^Zarvelin\$" | wc -l) == 1 ]] || fail "two copies run"
echo "PASS"
