# Whatever stands where the running-copy marker should be is never followed
# and never stops the program. A symlink, a plain file, a folder or another
# user's file in the marker's place is replaced: the program starts, the
# symlink's target is untouched, and a second copy still only raises the
# first. A marker folder that is not ours to replace is reported in one line,
# and the program starts anyway.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x

VICTIM=$WORK/victim.txt
ELSEWHERE=$WORK/elsewhere

# Starts a copy over what `make` leaves at the marker's place; then a second
# copy must raise the first and exit 0; unguarded (false), the copy says why.
start_over() {
    local what=$1 make=$2 guarded=${3:-true}
    rm -rf "$XDG_CACHE_HOME" "$ELSEWHERE"
    mkdir -p -m 700 "$MARKER" "$ELSEWHERE"
    echo precious >"$VICTIM"
    $make
    e2e_start_game
    e2e_wait_window "Set Up Game" >/dev/null
    if $guarded; then
        timeout 5 "$ZARVELIN" >"$WORK/second.log" 2>&1
        status=$?
        [[ $status == 0 ]] || fail "$what: the second copy exited with $status: $(cat "$WORK/second.log")"
        count=$(xdotool search --onlyvisible --name "^Set Up Game\$" | wc -l)
        [[ $count == 1 ]] || fail "$what: $count copies run"
    else
        grep -q "not checking for a running copy" "$WORK/game.log" ||
            fail "$what: no word of the guard's trouble: $(cat "$WORK/game.log")"
        (($(wc -l <"$WORK/game.log") == 1)) || fail "$what: more than one line said"
    fi
    [[ $(cat "$VICTIM") == precious && -z $(ls -A "$ELSEWHERE") ]] || fail "$what: a symlink was followed"
    kill -KILL "$(e2e_game_pid)"
    e2e_wait_exit >/dev/null
    e2e_wait_no_window "Set Up Game"
    echo "$what: handled"
}

lock_symlink() { ln -s "$VICTIM" "$MARKER/running.lock"; }
lock_dangling_symlink() { ln -s "$ELSEWHERE/made" "$MARKER/running.lock"; }
lock_folder() { mkdir "$MARKER/running.lock"; }
lock_of_another_user() { touch "$MARKER/running.lock" && chown 65534 "$MARKER/running.lock"; }
socket_symlink() { ln -s "$VICTIM" "$MARKER/window.sock"; }
socket_file() { echo stale >"$MARKER/window.sock"; }
folder_symlink() { rmdir "$MARKER" && ln -s "$ELSEWHERE" "$MARKER"; }
folder_of_another_user() { touch "$MARKER/theirs" && chown -R 65534 "$MARKER"; }

start_over "running.lock a symlink to a file" lock_symlink
start_over "running.lock a symlink to nothing" lock_dangling_symlink
start_over "running.lock a folder" lock_folder
start_over "window.sock a symlink to a file" socket_symlink
start_over "window.sock a plain file" socket_file
start_over "the marker folder a symlink" folder_symlink
# Only root can give a file to another user.
if [[ $(id -u) == 0 ]]; then
    start_over "running.lock another user's" lock_of_another_user
    start_over "the marker folder another user's, not empty" folder_of_another_user false
fi
echo "PASS"
