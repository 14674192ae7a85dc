# A name is shown as typed: '@', '&' and '@@' are plain characters in the
# "Victory" box, never symbol codes or shortcut marks. Two quick computers
# bearing the same name play to one column, so whoever wins, the box shows it;
# its first line must then be drawn in full, as wide as the text was measured,
# with the second line below it.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

NAME='me@home & co @@ shop'

SETUP=$(e2e_wait_window "Set Up Game")
eval "$(xdotool getwindowgeometry --shell "$SETUP")"
# A control's centre, from its dialog units (x, y, width, height) in the dialog's size.
click_control() {
    xdotool mousemove $((X + ($1 + $3 / 2) * WIDTH / 165)) $((Y + ($2 + $4 / 2) * HEIGHT / 183)) click 1
}
type_into() {
    click_control "$@"
    e2e_key "$SETUP" ctrl+a BackSpace
    xdotool type --delay 30 "$NAME"
}
click_control 49 23 16 8  # seat 1: the computer
type_into 105 20 53 14    # seat 1's name
type_into 105 39 53 14    # seat 2's name
click_control 114 136 14 14
e2e_key "$SETUP" ctrl+a BackSpace 1
e2e_key "$SETUP" Return
e2e_wait_no_window "Set Up Game"

BOX=$(TIMEOUT=120 e2e_wait_window Victory)
eval "$(xdotool getwindowgeometry --shell "$BOX")"
# The text's place in the box: right of the 48-pixel icon column, inside a
# 16-pixel margin, above the row of 26-pixel buttons. It is as wide as the
# measured text, which is the name's line here.
left=$((16 + 48)) width=$((WIDTH - 16 - 16 - 48)) height=$((HEIGHT - 16 - 16 - 26 - 16))
n=0
while :; do
    # The bounding box of what is drawn there; a blank area trims to one pixel.
    read -r ink_w ink_h ink_x ink_y < <(import -window root -crop "${width}x$height+$((X + left))+$((Y + 16))" \
        +repage -trim -format '%w %h %X %Y\n' info: 2>/dev/null | tr -d '+')
    ((ink_w > 1)) && break
    ((n++ < TIMEOUT * 5)) || fail "no text in the Victory box"
    sleep 0.2
done
echo "text area ${width}x$height, ink ${ink_w}x$ink_h at +$ink_x+$ink_y"
((ink_x + ink_w >= width - 4)) || fail "the name's line ends $((width - ink_x - ink_w)) pixels short of its measured width"
((ink_h >= height * 3 / 4)) || fail "the text is $ink_h of $height pixels high: a line is missing"

e2e_key "$BOX" n
status=$(e2e_wait_exit)
[[ $status == 0 ]] || fail "exit status $status after No"
echo "PASS"
