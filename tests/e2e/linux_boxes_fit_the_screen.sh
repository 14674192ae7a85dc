# Nothing the program opens is larger than the screen. A scale asked for is
# lowered until the window fits the screen's work area, a number out of range
# is taken as the nearest from 1 to 4, and standard error says what was asked,
# what is used and why. A long text wraps: the Victory box with a 255-byte name
# on a 1024 by 768 screen. File > Records with thousands of names scrolls in a
# box no taller than the screen, and OK closes it.
source "$(dirname "$0")/lib_linux.bash"

# The main window's size with the scale asked for; standard error says what it should.
window_with_scale() {
    local asked=$1 size=$2 said=$3 main
    ZARVELIN_SCALE=$asked e2e_start_game
    main=$(e2e_wait_window Zarvelin)
    e2e_wait_window "Set Up Game" >/dev/null
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [[ ${WIDTH}x$HEIGHT == "$size" ]] || fail "ZARVELIN_SCALE=$asked: the main window is ${WIDTH}x$HEIGHT, not $size"
    grep -qF "$said" "$WORK/game.log" || fail "ZARVELIN_SCALE=$asked: standard error does not say \"$said\""
    kill "$(e2e_game_pid)"
    e2e_wait_exit >/dev/null
    e2e_wait_no_window Zarvelin
    echo "ZARVELIN_SCALE=$asked on $E2E_SCREEN: ${WIDTH}x$HEIGHT; $(head -n 1 "$WORK/game.log")"
}

# Whether a window lies wholly on the screen.
on_screen() {
    local title=$1 box SCREEN_W=${E2E_SCREEN%%x*} SCREEN_H
    SCREEN_H=${E2E_SCREEN#*x}
    SCREEN_H=${SCREEN_H%%x*}
    box=$(e2e_wait_window "$title")
    eval "$(xdotool getwindowgeometry --shell "$box")"
    ((X >= 0 && Y >= 0 && X + WIDTH <= SCREEN_W && Y + HEIGHT <= SCREEN_H)) ||
        fail "the $title box is ${WIDTH}x$HEIGHT at $X,$Y: not on the ${SCREEN_W}x$SCREEN_H screen"
    echo "the $title box is ${WIDTH}x$HEIGHT at $X,$Y"
}

E2E_SCREEN=1600x1200x24
e2e_start_x
window_with_scale 3 1056x910 "scale 2 is used instead of 3: the window would be 1584x1365"
window_with_scale 7 1056x910 "ZARVELIN_SCALE=7 is out of range (1 to 4), 4 is taken"
window_with_scale abc 528x455 "ZARVELIN_SCALE=abc is not a whole number, passed over"
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null

E2E_SCREEN=1024x768x24
e2e_start_x
LONG=$(printf 'W%.0s' $(seq 255))
mkdir -p "$XDG_CONFIG_HOME/zarvelin"
printf 'players=2\ncolumns_to_win=1\nname_1=%s\nname_2=%s\n' "$LONG" "$LONG" >"$XDG_CONFIG_HOME/zarvelin/settings.txt"
{
    echo "# Zarvelin records 1"
    for n in $(seq 3000); do echo "1 0 - player $n"; done
} >"$XDG_CONFIG_HOME/zarvelin/records.txt"

# Two quick computers with the long names play to one column.
e2e_start_game
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 57 27
e2e_setup_click "$SETUP" 121 143
e2e_key "$SETUP" ctrl+a BackSpace 1 Return
e2e_wait_no_window "Set Up Game"
TIMEOUT=120 e2e_wait_window Victory >/dev/null
on_screen Victory
[[ -n ${E2E_SCREENSHOT:-} ]] && import -window root "$E2E_SCREENSHOT"
e2e_key "$(e2e_wait_window Victory)" n
e2e_wait_exit >/dev/null

e2e_start_game
e2e_key "$(e2e_wait_window "Set Up Game")" Return
MAIN=$(e2e_wait_window Zarvelin)
e2e_key "$MAIN" alt+f
sleep 0.3
e2e_key "$MAIN" r
on_screen Records
e2e_key "$(e2e_wait_window Records)" Return
e2e_wait_no_window Records
echo "OK closes the Records box"
echo "PASS"
