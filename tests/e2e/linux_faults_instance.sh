# The running-copy guard under faults. A copy killed mid-game leaves nothing
# that holds the next start up. A process that holds the lock and never
# answers delays a new copy by two seconds at most, with one line saying why.
# Later copies that connect and say nothing never block the window. A copy
# started with XDG_RUNTIME_DIR unset, or set to a folder open to others, finds
# the copy that runs with a private one.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x

# A second copy in this environment raises the first and exits 0 within 5 s.
second_copy_raises() {
    local status count
    timeout 5 "$@" "$ZARVELIN" >"$WORK/second.log" 2>&1
    status=$?
    [[ $status == 0 ]] || fail "the second copy (${*:-as the first}) exited with $status: $(cat "$WORK/second.log")"
    count=$(xdotool search --name "^Zarvelin\$" | wc -l)
    [[ $count == 1 ]] || fail "$count main windows with a second copy (${*:-as the first})"
}

kill_game() {
    kill -KILL "$(e2e_game_pid)"
    e2e_wait_exit >/dev/null
    e2e_wait_no_window Zarvelin
}

# Killed mid-game, then started again: at once, and guarded again.
e2e_start_game
e2e_start_with_defaults
e2e_key "$MAIN" r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices after a roll"
kill_game
e2e_start_timed "after SIGKILL mid-game"
second_copy_raises

# Later copies that connect and never send a word: 100 of them are taken in
# within 5 s, and a real request queued after them still raises the window
# at once.
e2e_start_with_defaults
TIMEOUT=5 e2e_silent_peer connect "$MARKER/window.sock" 100
xdotool windowunmap --sync "$MAIN"
e2e_wait_board_pixel 57 213 0,0,0 "the bare screen once the window is gone"
second_copy_raises
TIMEOUT=3 e2e_wait_board_pixel 57 213 $BOARD "the window back in front past the silent clients"
kill "$HELPER_PID"

# Other XDG_RUNTIME_DIR values in the later copy's start.
mkdir -m 755 "$WORK/open-runtime"
second_copy_raises env -u XDG_RUNTIME_DIR
second_copy_raises env XDG_RUNTIME_DIR="$WORK/open-runtime"
kill_game

# Started without XDG_RUNTIME_DIR, then a copy with a private one.
runtime=$XDG_RUNTIME_DIR
unset XDG_RUNTIME_DIR
e2e_start_game
export XDG_RUNTIME_DIR=$runtime
e2e_wait_window "Set Up Game" >/dev/null
second_copy_raises
kill_game

# A process of the user that holds the lock and serves nothing.
e2e_silent_peer lock "$MARKER/running.lock"
e2e_start_timed "lock held by a process that never answers"
grep -q "does not answer" "$WORK/game.log" || fail "no word of the silent holder: $(cat "$WORK/game.log")"
echo "PASS"
