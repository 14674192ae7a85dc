#!/usr/bin/env bash
# The learning tool's rounds on a small scale: play, fit, join, and the tuning
# tool plays the result. Each step must end well and leave what the next reads.
set -eu
tools="$1/tools"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tools/zarvelin-learn" play --network none --games 20 --seed 7 --out "$work/g.bin"
[ -s "$work/g.bin" ] || { echo "FAIL: no samples"; exit 1; }
"$tools/zarvelin-learn" fit --hidden 4 --epochs 1 --out "$work/a.txt" "$work/g.bin"
"$tools/zarvelin-learn" fit --hidden 3 --epochs 1 --out "$work/b.txt" "$work/g.bin"
"$tools/zarvelin-learn" join --out "$work/ab.txt" "$work/a.txt" "$work/b.txt"
# 7 hidden units: 1 + 7 x 48 + 7 + 7 + 1 numbers.
[ "$(head -1 "$work/ab.txt")" = "7," ] || { echo "FAIL: the joined network has $(head -1 "$work/ab.txt") units"; exit 1; }
[ "$(wc -l <"$work/ab.txt")" -eq 352 ] || { echo "FAIL: the joined network has $(wc -l <"$work/ab.txt") numbers"; exit 1; }
"$tools/zarvelin-tune" --games 4 --network "$work/ab.txt" | grep -q '%'
# A file that is not a network is refused with a message and a failure.
echo "1, 2, 3," >"$work/bad.txt"
if "$tools/zarvelin-tune" --games 4 --network "$work/bad.txt" 2>"$work/err"; then
    echo "FAIL: the tuning tool took a file that is not a network"
    exit 1
fi
grep -q "not a race network" "$work/err"
echo "the learning tool's round holds"
