# Started with standard error closed (and with input and output too), with
# complaints to make (a damaged set-up file and an unusable marker folder):
# the set-up dialog appears all the same and a game starts, for the
# complaints go nowhere, not into the X connection.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
mkdir -p "$XDG_CONFIG_HOME/zarvelin"
printf 'garbage\nplayers=9\n' >"$XDG_CONFIG_HOME/zarvelin/settings.txt"
# A plain file where the cache folder should be: no running-copy marker.
export XDG_CACHE_HOME=$WORK/not-a-folder
echo file >"$XDG_CACHE_HOME"

# Starts the program with the descriptors the command closes; plays to the board.
start_closed() {
    local what=$1 closing=$2
    # The game the last start left is not offered: each start opens the set-up dialog.
    rm -f "$WORK/status" "$WORK/pid" "$XDG_CONFIG_HOME/zarvelin/saved-game.txt"
    (
        eval "exec $closing"
        "$ZARVELIN" &
        echo $! >"$WORK/pid"
        wait $!
        echo $? >"$WORK/status"
    ) &
    GAME_PID=$!
    local setup
    setup=$(TIMEOUT=10 e2e_wait_window "Set Up Game") || exit 1
    e2e_key "$setup" Return
    e2e_wait_no_window "Set Up Game"
    e2e_board_origin
    e2e_wait_board_pixel 57 213 $BOARD "$what: the board after the set-up dialog"
    kill "$(e2e_game_pid)"
    e2e_wait_exit >/dev/null
    e2e_wait_no_window Zarvelin
    echo "$what: the set-up dialog and the board"
}

start_closed "standard error closed" "2>&-"
start_closed "standard output and error closed" ">&- 2>&-"
start_closed "all three closed" "<&- >&- 2>&-"
echo "PASS"
