#!/usr/bin/env bash
# The match runner's contract: its options and errors, the game lines, and
# the same output and trace from the same seed.
set -u
build="$1"
arena="$build/tools/zarvelin-arena"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Refused command lines: status 2, a message on standard error, nothing on standard output.
refused=(
    "--seats 1" "--seats 5" "--seats" "--seats x" "--seats -2" "--seats 3x" "--games 0" "--games"
    "--seed 4294967296" "--seed -1" "--columns-to-win 0" "--columns-to-win 7" "--seats 4 --columns-to-win 4"
    "--bogus" "extra" "--trace 1"
    "--levels" "--levels expert" "--levels expert,hard" "--levels expert,,standard" "--levels Expert,standard"
    "--seats 3 --levels easy,expert" "--rotate-start 1"
)
for args in "${refused[@]}"; do
    # shellcheck disable=SC2086
    "$arena" $args >out.txt 2>err.txt
    status=$?
    [ "$status" -eq 2 ] || fail "'$args' gave status $status"
    [ -s err.txt ] || fail "'$args' wrote no message"
    [ -s out.txt ] && fail "'$args' wrote to standard output"
done

# The largest accepted targets and seeds.
"$arena" --seats 2 --columns-to-win 6 --seed 4294967295 >out.txt 2>/dev/null || fail "K=6 with 2 seats refused"
"$arena" --seats 3 --columns-to-win 4 --seed 0 >out.txt 2>/dev/null || fail "K=4 with 3 seats refused"

# One line per game in the exact form; the turns add up to at least one per win.
"$arena" --seats 3 --games 12 --seed 99 >out.txt 2>/dev/null || fail "a 12-game run failed"
[ "$(wc -l <out.txt)" -eq 12 ] || fail "12 games gave $(wc -l <out.txt) lines"
grep -vqE '^game ([1-9]|1[0-2]): winner [ABC] turns [1-9][0-9]*$' out.txt && fail "a malformed game line"
[ "$(cut -d' ' -f2 out.txt | tr -d : | tr '\n' ' ')" = "1 2 3 4 5 6 7 8 9 10 11 12 " ] || fail "games out of order"

# Same seed, same everything, byte for byte; another seed, other games.
"$arena" --seats 4 --games 20 --seed 2024 --trace >first.txt 2>/dev/null && mv vl_out.txt first_trace.txt
echo stale >vl_out.txt
"$arena" --seats 4 --games 20 --seed 2024 --trace >second.txt 2>/dev/null
cmp -s first.txt second.txt || fail "the game lines differ between two runs"
cmp -s first_trace.txt vl_out.txt || fail "the traces differ between two runs"
"$arena" --seats 4 --games 20 --seed 2025 >third.txt 2>/dev/null
cmp -s first.txt third.txt && fail "another seed played the same games"

# The trace holds exactly the listed events: a turn start shows the board, each
# win follows a stop, and as many turn starts as the game lines count.
turns=$(awk '{ s += $6 } END { print s }' first.txt)
[ "$(grep -c "it's your turn" vl_out.txt)" -eq "$turns" ] || fail "turn starts in the trace do not match the turns"
[ "$(grep -c "'s turn\. *$" vl_out.txt)" -eq "$turns" ] || fail "not one board picture per turn start"
[ "$(grep -c 'wins!!!!' vl_out.txt)" -eq 20 ] || fail "not 20 wins in the trace"
[ "$(grep -c 'Choices are:' vl_out.txt)" -eq "$(grep -c ' Chose ' vl_out.txt)" ] || fail "a choice without its list"
awk '/wins!!!!/ { if (prev !~ /stopped!/) bad = 1 } NF { prev = $0 } END { exit bad }' vl_out.txt ||
    fail "a win not right after a stop"
allowed="^(Player [A-D] - it's your turn\.|      .*|[1-6] [1-6] [1-6] [1-6] |Choices are:.*|      Player [A-D] stopped!|Player [A-D] wins!!!!|      BUSTED!!!!!!|)$"
grep -vqE "$allowed" vl_out.txt && fail "an unexpected line in the trace"

# A long run on a small stack: the games follow one another in a loop, not a recursion.
(ulimit -s 1024 && "$arena" --seats 4 --games 200 --seed 77 >long.txt 2>/dev/null) || fail "200 games on a 1 MB stack failed"
[ "$(wc -l <long.txt)" -eq 200 ] || fail "the long run did not play 200 games"

# The levels: all standard is the default, game for game; other levels play other games.
"$arena" --seats 3 --games 20 --seed 5 >default.txt 2>/dev/null
"$arena" --seats 3 --games 20 --seed 5 --levels standard,standard,standard >standard.txt 2>/dev/null
cmp -s default.txt standard.txt || fail "--levels standard,standard,standard is not the default"
"$arena" --seats 3 --games 20 --seed 5 --levels expert,easy,standard >mixed.txt 2>summary.txt ||
    fail "a run of mixed levels failed"
cmp -s default.txt mixed.txt && fail "other levels played the same games"
for who in "seat A (expert)" "seat B (easy)" "seat C (standard)" "level easy (1 seat)" "level expert (1 seat)"; do
    grep -q "^$who: wins [0-9]* of 20 = .*(95%: .*), turns .* per game, busts .* per turn, decisions median" \
        summary.txt || fail "no summary line for $who"
done

# Taking turns starting: game g starts with seat (g - 1) mod N; without it every game starts with seat A.
"$arena" --seats 3 --games 4 --seed 8 --rotate-start --trace >/dev/null 2>&1
[ "$(grep -A2 -e 'wins!!!!' vl_out.txt | grep -o "^Player [A-D] - it's your turn" | cut -c8 | tr -d '\n')" = BCA ] ||
    fail "--rotate-start did not hand the first turn on"
[ "$(grep -m1 "it.s your turn" vl_out.txt | cut -c1-8)" = "Player A" ] || fail "--rotate-start: the first game did not start with A"
"$arena" --seats 3 --games 4 --seed 8 --trace >/dev/null 2>&1
[ "$(grep -A2 -e 'wins!!!!' vl_out.txt | grep -c "^Player A - it's your turn")" -eq 3 ] ||
    fail "without --rotate-start a game did not start with seat A"

# Without --trace no trace file is written.
rm -f vl_out.txt
"$arena" --seed 3 >/dev/null 2>&1
[ -e vl_out.txt ] && fail "a trace without --trace"

# Lost output is a failure: a message on standard error and status 1. Each case
# runs in a subshell of its own; none depends on file permissions, which root ignores.
full_output() { "$arena" --games 50 >/dev/full; }
closed_output() { "$arena" --games 50 >&-; }
trace_in_removed_folder() { mkdir gone && cd gone && rmdir ../gone && "$arena" --trace >/dev/null; }
trace_is_a_folder() { mkdir -p folder/vl_out.txt && cd folder && "$arena" --trace >/dev/null; }
trace_over_file_size_limit() { trap '' XFSZ && ulimit -f 1 && "$arena" --games 50 --trace >/dev/null; }
# A trace file that is a symbolic link is refused: never followed, its target never written.
echo keep >kept.txt
trace_is_a_link() { mkdir linked && cd linked && ln -s ../kept.txt vl_out.txt && "$arena" --trace >/dev/null; }
trace_is_a_dangling_link() { mkdir dangling && cd dangling && ln -s ../made.txt vl_out.txt && "$arena" --trace >/dev/null; }
# Nor is a second name of another file: writing it would write the other.
trace_is_a_hard_link() { mkdir hard && cd hard && ln ../kept.txt vl_out.txt && "$arena" --trace >/dev/null; }
for lost in full_output closed_output trace_in_removed_folder trace_is_a_folder trace_over_file_size_limit \
    trace_is_a_link trace_is_a_dangling_link trace_is_a_hard_link; do
    ("$lost") 2>err.txt
    status=$?
    [ "$status" -eq 1 ] || fail "$lost gave status $status"
    grep -q '^zarvelin-arena: ' err.txt || fail "$lost gave no message"
done
[ "$(cat kept.txt)" = keep ] || fail "the trace overwrote the file a link points to, or another name's"
[ -e made.txt ] && fail "the trace created the file a link points to"

[ "$failures" -eq 0 ] && echo "arena contract holds"
exit $((failures > 0))
