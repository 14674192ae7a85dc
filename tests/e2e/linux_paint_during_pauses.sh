# The program's pauses (the roll's frames, the one-second "Sorry!") take no
# input, but a window put over the board and taken away meanwhile is repainted
# at once, within 50 ms, and the notice is repainted as the notice.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game
# Player 1 against a quick computer, as by default, but six columns to win:
# Player 1 only passes and busts, and the computer must not win meanwhile.
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 121 143
e2e_key "$SETUP" ctrl+a BackSpace 6
e2e_start_with_defaults
LIMIT_MS=50
ROUNDS=${ROUNDS:-3}

# The delay until the covered pixel <px py> has the colour <r,g,b> again, and
# the colour of the check pixel <cx cy> then, measured by a probe started with
# the cover <x y w h> and the options given: sets DELAY and CHECK.
start_probe() {
    python3 "$E2E_DIR/lib_linux_repaint_delay.py" $((BOARD_X + $1)) $((BOARD_Y + $2)) "$3" "$4" \
        $((BOARD_X + $5)) $((BOARD_Y + $6)) "$7" $((BOARD_X + $8)) $((BOARD_Y + $9)) "${@:10}" >"$WORK/delay" &
    PROBE=$!
}
probe_result() {
    wait $PROBE
    read -r DELAY CHECK <"$WORK/delay"
    [[ $DELAY =~ ^[0-9]+$ ]] || fail "no repaint: $(cat "$WORK/delay")"
}

# A computer's roll: Player 1 passes with S; the cover over the columns goes
# as soon as the computer's dice start to change, so inside its roll.
for round in $(seq $ROUNDS); do
    e2e_wait_board_pixel 380 392 $SEAT_1 "Player 1's turn"
    e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
    rm -f "$WORK/ready"
    start_probe 20 180 80 80 57 213 $BOARD 448 32 \
        --ready "$WORK/ready" --when-changes $((BOARD_X + 446)) $((BOARD_Y + 30)) 38 188
    n=0
    until [[ -e $WORK/ready ]]; do
        ((n++ < TIMEOUT * 10)) || fail "the cover was not put up"
        sleep 0.1
    done
    e2e_key "$MAIN" s
    probe_result
    echo "computer's roll $round: repainted after $DELAY ms"
    ((DELAY <= LIMIT_MS)) || fail "the board stayed blank for $DELAY ms during the computer's roll"
done

# "Sorry!": the cover over the columns and the panel for 30 ms during the
# notice. The board comes back at once, and the panel as the notice: the
# background where the Roll button's black frame would stand.
for round in $(seq $ROUNDS); do
    e2e_wait_board_pixel 380 392 $SEAT_1 "Player 1's turn"
    # The probe puts the cover up as soon as the panel shows the notice: empty
    # where the Roll button's black frame or a choice box's green frame stands.
    # The board is back first; a moment later the panel must show the notice.
    start_probe 20 180 508 250 57 213 $BOARD 418 413 --hold 0.03 --check-after 0.05 \
        --cover-when $((BOARD_X + 418)) $((BOARD_Y + 413)) $BACKGROUND \
        --cover-when $((BOARD_X + 425)) $((BOARD_Y + 413)) $BACKGROUND
    # Player 1 rolls on until the probe has seen a notice (the pixels the
    # player's loop reads one by one may also meet while the panel changes).
    for _ in 1 2 3 4 5; do
        e2e_play_until_bust "$MAIN"
        for _ in $(seq 30); do
            kill -0 $PROBE 2>/dev/null || break 2
            sleep 0.1
        done
    done
    probe_result
    echo "\"Sorry!\" $round: repainted after $DELAY ms"
    ((DELAY <= LIMIT_MS)) || fail "the board stayed blank for $DELAY ms during \"Sorry!\""
    [[ $CHECK == "$BACKGROUND" ]] || fail "the panel was not repainted as the notice ($CHECK)"
done
echo "PASS"
