# The program at twice its size (ZARVELIN_SCALE=2), as on a desktop scaled 2x:
# the window is 1056 by 910 under a menu bar twice as high, the board's
# colours stand at the doubled coordinates, the dialogs are twice as large,
# and a click at the Roll button's doubled place rolls.
E2E_SCREEN=1600x1200x24
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
export ZARVELIN_SCALE=2
e2e_start_game

SETUP=$(e2e_wait_window "Set Up Game")
eval "$(xdotool getwindowgeometry --shell "$SETUP")"
((WIDTH >= 2 * 165 * 2 && HEIGHT >= 2 * 183 * 2)) || fail "the set-up dialog is ${WIDTH}x$HEIGHT, not scaled"
e2e_key "$SETUP" Return
e2e_wait_no_window "Set Up Game"
MAIN=$(e2e_wait_window Zarvelin)
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
[[ $WIDTH == 1056 && $HEIGHT == 910 ]] || fail "the main window is ${WIDTH}x$HEIGHT, not 1056x910"
MENU_HEIGHT=50
e2e_board_origin

# Probes at twice the coordinates the other tests use, and on both pixels of a doubled one.
e2e_wait_board_pixel 114 426 $BOARD "the board"
e2e_wait_board_pixel 115 427 $BOARD "the board"
e2e_wait_board_pixel 10 10 $BACKGROUND "the background"
e2e_wait_board_pixel 850 826 $HIGHLIGHT "the Roll button"
e2e_wait_board_pixel 760 784 $SEAT_1 "the active player's square"
e2e_wait_board_pixel 896 64 $BACKGROUND "no dice before the first roll"
# The Roll button's frame is two pixels wide: black on both.
e2e_wait_board_pixel 836 816 0,0,0 "the Roll button's frame"
e2e_wait_board_pixel 837 817 0,0,0 "the Roll button's frame, second pixel"

e2e_click_board 940 826
e2e_wait_board_pixel 896 64 $BOARD "the first die after a click on the doubled Roll button"
e2e_wait_board_pixel 836 826 $HIGHLIGHT "the frame of the lowest choice box"
e2e_wait_board_pixel 837 826 $HIGHLIGHT "the frame of the lowest choice box, second pixel"
e2e_wait_board_pixel 850 826 $BACKGROUND "the inside of the choice box"
[[ -n ${E2E_SCREENSHOT:-} ]] && import -window root -crop "1056x910+$WIN_X+$WIN_Y" +repage "$E2E_SCREENSHOT"
echo "PASS"
