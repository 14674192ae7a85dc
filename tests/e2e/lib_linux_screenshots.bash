# Takes the Linux program's screenshots for the documentation: the start, a
# game with its choices shown, a bust, and the score sheet.
#   bash tests/e2e/lib_linux_screenshots.bash <build-dir> [<out-dir>, default docs/screenshots]
# Wide enough for the score sheet beside the main window.
E2E_SCREEN=${E2E_SCREEN:-2000x1000x24}
# The same dice every time, so the same pictures: on this seed the game lasts
# long enough for the score sheet's turns.
export ZARVELIN_SEED=${ZARVELIN_SEED:-1}
source "$(dirname "$0")/lib_linux.bash"
OUT=${2:-$(cd "$E2E_DIR/../.." && pwd)/docs/screenshots}
mkdir -p "$OUT"
e2e_start_x
e2e_start_game

shot() {
    # The main window with the set-up dialog over it, as the screen shows them.
    import -window root -crop "528x455+$WIN_X+$WIN_Y" +repage "$OUT/$1.png"
    echo "wrote $OUT/$1.png"
}

SETUP=$(e2e_wait_window "Set Up Game")
e2e_board_origin
e2e_window_origin "$(e2e_wait_window Zarvelin)"
sleep 0.5  # let the dialog finish drawing before the picture
shot linux-start
e2e_key "$SETUP" Return
e2e_wait_no_window "Set Up Game"
MAIN=$(e2e_wait_window Zarvelin)
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"

e2e_key "$MAIN" r
e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices"
shot linux-choices

e2e_play_until_bust "$MAIN"
shot linux-bust

# The score sheet after a few turns: the person stops after one move each turn.
# The person's turn has come when the active square and the Roll button hold
# for two looks a second apart (the computer's turn shows the Roll button too).
person_to_move() {
    local n=0 steady=0
    while ((steady < 2)); do
        if [[ $(e2e_board_pixel 380 392) == "$SEAT_1" && $(e2e_board_pixel 425 413) == "$HIGHLIGHT" ]]; then
            steady=$((steady + 1))
        else
            steady=0
        fi
        ((n++ < 60)) || fail "the person's turn did not come"
        sleep 1
    done
}
person_to_move
e2e_key "$MAIN" F3
SHEET=$(e2e_wait_window "Score Sheet")
for turn in 1 2 3; do
    e2e_key "$MAIN" r
    e2e_wait_board_pixel 418 413 $HIGHLIGHT "the choices"
    e2e_click_board 470 413
    e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
    e2e_key "$MAIN" s
    sleep 1
    person_to_move
done
eval "$(xdotool getwindowgeometry --shell "$SHEET")"
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$OUT/linux-score-sheet.png"
echo "wrote $OUT/linux-score-sheet.png"
