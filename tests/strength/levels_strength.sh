#!/usr/bin/env bash
# The levels' strength on fixed seeds, heads-up against the standard computer
# with the seats alternated: 1000 games with the level in seat A, 1000 in seat B.
# The expert must win at least 1050 of them: it wins 1078 on these seeds, and
# 1026 with the formula alone in place of its heads-up network, so the check
# fails when the network is lost. The easy level must win at most 35% (it wins
# 217).
set -u
arena="$1/tools/zarvelin-arena"
failures=0

# wins <level>: the games of 2000 that the level wins.
wins() {
    local a b
    a=$("$arena" --levels "$1",standard --games 1000 --seed 424242 2>/dev/null | grep -c 'winner A') || true
    b=$("$arena" --levels standard,"$1" --games 1000 --seed 424243 2>/dev/null | grep -c 'winner B') || true
    echo $((a + b))
}

expert=$(wins expert)
echo "expert against standard: $expert of 2000"
[ "$expert" -ge 1050 ] || { echo "FAIL: the expert won fewer than 1050"; failures=$((failures + 1)); }
easy=$(wins easy)
echo "easy against standard: $easy of 2000"
[ "$easy" -le 700 ] || { echo "FAIL: the easy level won more than 35%"; failures=$((failures + 1)); }
exit $((failures > 0))
