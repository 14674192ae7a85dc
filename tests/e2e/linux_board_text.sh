# The board's text fits its 18-pixel boxes: the Roll button's outline and
# every choice box's frame stay whole above and below the text, which an
# opaque text cell taller than the box's inside would paint over.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

# Fails unless every pixel of a board row (x from left, width w) has the colour.
expect_whole_row() {
    local left=$1 y=$2 width=$3 want=$4 what=$5 others
    others=$(import -window root -crop "${width}x1+$((BOARD_X + left))+$((BOARD_Y + y))" -depth 8 txt:- 2>/dev/null |
        tail -n +2 | grep -vc "($want)")
    [[ $others == 0 ]] || fail "$what: $others pixels of row $y are not $want"
}

BOX_LEFT=418 BOX_WIDTH=104 BASE_TOP=404 BASE_BOTTOM=421 PITCH=24

e2e_start_with_defaults
e2e_wait_board_pixel 425 413 $HIGHLIGHT "the Roll button"
expect_whole_row $BOX_LEFT $BASE_TOP $BOX_WIDTH 0,0,0 "the Roll button's top edge"
expect_whole_row $BOX_LEFT $BASE_BOTTOM $BOX_WIDTH 0,0,0 "the Roll button's bottom edge"

# The first roll of a game always offers a choice. The heading is drawn after
# the last box, so once it shows, every box and its text is on the screen.
e2e_key "$MAIN" r
e2e_wait_board_pixel $BOX_LEFT 413 $HIGHLIGHT "the frame of the lowest choice box"
boxes=0
while [[ $(e2e_board_pixel $BOX_LEFT $((413 - PITCH * boxes))) == "$HIGHLIGHT" ]]; do
    boxes=$((boxes + 1))
done
n=0
until e2e_board_area_has $BOX_LEFT $((408 - PITCH * boxes)) $BOX_WIDTH 18 "$WHITE"; do
    ((n++ < TIMEOUT * 5)) || fail "no heading above the $boxes choice boxes"
    sleep 0.2
done
for ((k = 0; k < boxes; k++)); do
    expect_whole_row $BOX_LEFT $((BASE_TOP - PITCH * k)) $BOX_WIDTH $HIGHLIGHT "choice box $((boxes - k)) of $boxes, top"
    expect_whole_row $BOX_LEFT $((BASE_BOTTOM - PITCH * k)) $BOX_WIDTH $HIGHLIGHT "choice box $((boxes - k)) of $boxes, bottom"
done
echo "$boxes choice boxes with whole frames"
echo "PASS"
