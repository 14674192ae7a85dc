#!/usr/bin/env bash
# The rules page's odds table: every one of its side-by-side tables has its
# heading, and the 165 sets of three columns run in the order of their columns,
# so a player finds theirs without reading the whole table; each chance agrees
# with its count of rolls.
set -u
build="$1"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/zarvelin-rules-page" "$source_dir/docs/rules.html.in" "$source_dir/docs/screenshots" \
    "$work/rules.html" || { echo "FAIL: the rules page was not written"; exit 1; }
python3 - "$work/rules.html" <<'PY'
import re, sys
page = open(sys.argv[1], encoding="utf-8").read()
wrap = re.search(r'<div class="odds-wrap">(.*?)</div>', page, re.S)
if not wrap:
    sys.exit("FAIL: no odds table on the page")
tables = re.findall(r'<table class="odds">(.*?)</table>', wrap.group(1), re.S)
if len(tables) < 2:
    sys.exit(f"FAIL: {len(tables)} table(s): the groups side by side are not tables of their own")
sets = []
for n, table in enumerate(tables, 1):
    rows = re.findall(r"<tr>(.*?)</tr>", table, re.S)
    if not rows or "<th>Columns</th>" not in rows[0]:
        sys.exit(f"FAIL: group {n} of {len(tables)} has no heading")
    for row in rows[1:]:
        cols, chance, count = re.findall(r"<td>(.*?)</td>", row)
        if abs(float(chance.rstrip("%")) - 100 * int(count) / 1296) > 0.05:
            sys.exit(f"FAIL: {cols}: {chance} is not {count} of 1296")
        sets.append(tuple(int(c) for c in cols.split(", ")))
if len(sets) != 165 or len(set(sets)) != 165:
    sys.exit(f"FAIL: {len(sets)} rows, {len(set(sets))} sets, not the 165 sets of three columns")
if sets != sorted(sets):
    sys.exit("FAIL: the sets are not in the order of their columns")
sizes = [len(re.findall(r"<td>", t)) // 3 for t in tables]
print(f"{len(tables)} groups of {sizes} rows, each under its heading, in the order of the columns")
PY
