# The about box's last line names the rules page where it really is: the copy
# beside the program (the build tree has one), else the installed page.
# Copies of the program in folders whose names differ by 16 letters show lines
# that differ by those 16 letters' width when a copy of the page lies beside
# them, and the same line when none does.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
[[ -f $BUILD_DIR/platform/fltk/rules.html ]] || fail "the build tree has no rules.html beside the program"

PROGRAM=$ZARVELIN
# Runs the program from a new folder (with a copy of the rules page when asked),
# opens the about box and prints the width of its last line's ink.
rules_line_width() {
    local folder=$WORK/$1 with_page=$2 box
    mkdir -p "$folder"
    cp "$PROGRAM" "$folder/zarvelin"
    [[ $with_page == yes ]] && cp "$BUILD_DIR/platform/fltk/rules.html" "$folder/"
    ZARVELIN=$folder/zarvelin
    e2e_start_game
    e2e_start_with_defaults
    e2e_key "$MAIN" F1
    box=$(e2e_wait_window "About Zarvelin")
    eval "$(xdotool getwindowgeometry --shell "$box")"
    # The line's box in dialog units (18, 84, 139, 8), widened to the dialog's right edge.
    local left=$((18 * WIDTH / 176)) top=$((84 * HEIGHT / 122)) height=$((8 * HEIGHT / 122)) width n=0
    # The width of what is drawn there, once the box is drawn; a blank area trims to one pixel.
    until width=$(import -window root -crop "$((WIDTH - left))x$height+$((X + left))+$((Y + top))" +repage \
        -trim -format '%w' info: 2>/dev/null) && ((width > 1)); do
        ((n++ < TIMEOUT * 5)) || fail "no rules line in the about box"
        sleep 0.2
    done
    echo "$width"
    e2e_key "$box" Return
    e2e_wait_no_window "About Zarvelin"
    e2e_close_window "$MAIN"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Return
    e2e_wait_exit >/dev/null
}

LONGER=abcdefghijklmnop
short=$(rules_line_width p yes)
long=$(rules_line_width "p$LONGER" yes)
echo "beside the program: $short and $long pixels"
grow=$((long - short))
((grow >= 16 * 4 && grow <= 16 * 12)) || fail "16 more letters in the folder's name widen the line by $grow pixels"

short=$(rules_line_width q no)
long=$(rules_line_width "q$LONGER" no)
echo "installed: $short and $long pixels"
((short == long)) || fail "without a copy beside it, the program's folder changes the line ($short, $long pixels)"
echo "PASS"
