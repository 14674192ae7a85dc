# A bust is seen: the panel empties and "Sorry!" stands above the Roll
# button's place while the thread holds it for a second.
source "$(dirname "$0")/lib_linux.bash"
e2e_start_x
e2e_start_game

e2e_start_with_defaults
e2e_play_until_bust "$MAIN"
echo "PASS"
