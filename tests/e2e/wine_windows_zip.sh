#!/usr/bin/env bash
# The Windows download as a player gets it: the zip (scripts/package) holds
# the folder Zarvelin-<version> with zarvelin.exe, rules.html and README.txt;
# unpacked into an empty folder, the program starts under Wine with "Set Up
# Game", and How to Play hands the rules page beside it to the browser.
source "$(dirname "$0")/lib_wine.bash"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
zip=${ZARVELIN_ZIP:-$repo/build-package/zarvelin-$version-windows.zip}
[ -f "$zip" ] || fail "$zip is missing: run scripts/package"
download=$work/download
mkdir "$download"
python3 -m zipfile -e "$zip" "$download"
[ "$(ls -A "$download")" = "Zarvelin-$version" ] || fail "the zip unpacks into $(ls -A "$download"), not one folder Zarvelin-$version"
folder=$download/Zarvelin-$version
[ "$(ls -A "$folder" | sort | tr '\n' ' ')" = "README.txt rules.html zarvelin.exe " ] ||
    fail "the zip's folder holds $(ls -A "$folder")"
grep -q "^Zarvelin $version for Windows" "$folder/README.txt" || fail "README.txt does not name version $version"
pass "the zip unpacks into Zarvelin-$version with zarvelin.exe, rules.html and README.txt"

# The program under test is the unpacked one.
exe=$folder/zarvelin.exe
require_tools
start_x
start_wine
# A browser for .html pages, as a player's Windows has: Wine's, which hands
# them to the desktop's xdg-open; a stand-in for that writes down what it got.
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1 || fail "cannot register the browser for .html"
mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
start_program zarvelin
main=$(wait_for_window Zarvelin)
setup=$(wait_for_window "Set Up Game")
pass "the unpacked zarvelin.exe starts with \"Set Up Game\""

key "$setup" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
key "$main" alt+h Return
wait_until 60 "How to Play to open a page" test -s "$work/opened"
page=$(cat "$work/opened")
[ "$page" = "file://$folder/rules.html" ] || fail "How to Play opened \"$page\", not the rules page beside the program"
pass "How to Play opens $page"
