# What the program keeps between runs, in the user's folder: the set-up of the
# last game started and the sound switch come back at the next start (the
# dialog opens with them, and Enter starts a game with them), and a victory is
# written to the records, which File > Records shows.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
SETTINGS=$XDG_CONFIG_HOME/zarvelin/settings.txt
RECORDS=$XDG_CONFIG_HOME/zarvelin/records.txt

quit_program() {
    e2e_close_window "$MAIN"
    e2e_key "$(e2e_wait_window "Confirm Quit")" Return
    [[ $(e2e_wait_exit) == 0 ]] || fail "the program did not end with status 0"
}

# First run: seat 1's name "me=you", seat 3 a computer, 2 columns to win; then sound off.
e2e_start_game
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 131 27
e2e_key "$SETUP" ctrl+a BackSpace m e equal y o u
e2e_setup_click "$SETUP" 58 65
e2e_setup_click "$SETUP" 121 143
e2e_key "$SETUP" ctrl+a BackSpace 2 Return
e2e_wait_no_window "Set Up Game"
MAIN=$(e2e_wait_window Zarvelin)
e2e_key "$MAIN" alt+f
sleep 0.3
e2e_key "$MAIN" s
n=0
until grep -q '^sound=off$' "$SETTINGS" 2>/dev/null; do
    ((n++ < TIMEOUT * 10)) || fail "File > Sound did not switch the sound off: $(cat "$SETTINGS" 2>&1)"
    sleep 0.1
done
quit_program
grep -q '^name_1=me=you$' "$SETTINGS" && grep -q '^players=3$' "$SETTINGS" &&
    grep -q '^columns_to_win=2$' "$SETTINGS" || fail "the set-up was not remembered: $(cat "$SETTINGS")"
echo "the set-up and the sound switch are remembered"

# Second run: Enter takes the dialog as it opens, which must be the remembered set-up.
: >"$SETTINGS.before"
cp "$SETTINGS" "$SETTINGS.before"
e2e_start_game
e2e_key "$(e2e_wait_window "Set Up Game")" Return
e2e_wait_no_window "Set Up Game"
MAIN=$(e2e_wait_window Zarvelin)
quit_program
cmp -s "$SETTINGS" "$SETTINGS.before" || fail "the next start did not open with the remembered set-up: $(cat "$SETTINGS")"
echo "the next start opens with the remembered set-up"

# Third run: two quick computers and one column to win, so a victory comes soon.
e2e_start_game
SETUP=$(e2e_wait_window "Set Up Game")
e2e_setup_click "$SETUP" 57 27
e2e_setup_click "$SETUP" 92 65
e2e_setup_click "$SETUP" 121 143
e2e_key "$SETUP" ctrl+a BackSpace 1 Return
e2e_wait_no_window "Set Up Game"
MAIN=$(e2e_wait_window Zarvelin)
# The dice follow the clock: a game lasts seconds to a minute.
VICTORY=$(TIMEOUT=120 e2e_wait_window Victory)
grep -q ' me=you$' "$RECORDS" || fail "the victory was not recorded: $(cat "$RECORDS" 2>&1)"
# No: Tab moves to it, space presses it; the program ends.
e2e_key "$VICTORY" Tab space
[[ $(e2e_wait_exit) == 0 ]] || fail "No to the victory question did not end the program"
echo "the victory is recorded: $(grep -c '^[0-9]' "$RECORDS") players"

e2e_start_game
e2e_key "$(e2e_wait_window "Set Up Game")" Return
MAIN=$(e2e_wait_window Zarvelin)
e2e_key "$MAIN" alt+f
sleep 0.3
e2e_key "$MAIN" r
RECORDS_BOX=$(e2e_wait_window Records)
e2e_key "$RECORDS_BOX" Return
e2e_wait_no_window Records
echo "File > Records shows the records"
echo "PASS"
