#!/usr/bin/env bash
# The Windows installer as a player (or a script) runs it: silently, in a
# fresh Wine prefix. It puts zarvelin.exe, rules.html, README.txt and the
# uninstaller in Program Files\Zarvelin, a Start menu entry, and the
# uninstaller among the installed apps with the version, the icon and the
# publisher; the installed program starts with "Set Up Game". The uninstaller,
# run silently, takes every installed file away and leaves the player's own
# files in %APPDATA%\Zarvelin alone.
source "$(dirname "$0")/lib_wine.bash"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
setup=${ZARVELIN_SETUP:-$repo/build-package/zarvelin-$version-setup.exe}
[ -f "$setup" ] || fail "$setup is missing: run scripts/package"
exe=$setup
require_tools
start_x
start_wine

wine "$setup" /S >"$work/setup.log" 2>&1 || fail "the silent install failed (see $work/setup.log)"
folder=$WINEPREFIX/drive_c/Program\ Files/Zarvelin
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Zarvelin
for file in "$folder"/{zarvelin.exe,rules.html,README.txt,Uninstall.exe} "$menu/Zarvelin.lnk"; do
    [ -s "$file" ] || fail "the installer did not make ${file#"$WINEPREFIX/"}"
done
# The entry starts the installed program (a shortcut holds its target's path).
grep -qi 'Zarvelin\\.*zarvelin.exe' < <(strings -a "$menu/Zarvelin.lnk") || fail "the Start menu entry does not start zarvelin.exe"
find "$folder" "$menu" >"$work/installed"
pass "the silent install made $(grep -c . "$work/installed") files and folders, the Start menu entry among them"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarvelin'
entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r') || fail "the installer did not register its uninstaller"
for value in "DisplayName REG_SZ Zarvelin" "DisplayVersion REG_SZ $version" \
    "Publisher REG_SZ The Zarvelin project" 'DisplayIcon REG_SZ C:\Program Files\Zarvelin\zarvelin.exe' \
    'UninstallString REG_SZ "C:\Program Files\Zarvelin\Uninstall.exe"'; do
    grep -qxF "$value" < <(sed 's/^ *//; s/    / /g' <<<"$entry") ||
        fail "the installed apps' entry lacks \"$value\": $entry"
done
pass "the uninstaller is among the installed apps with its version, icon and publisher"

# The installed program, as the Start menu starts it; a game started keeps
# its set-up in the player's own folder.
exe=$folder/zarvelin.exe
start_program zarvelin
main=$(wait_for_window Zarvelin)
setup_dialog=$(wait_for_window "Set Up Game")
pass "the installed zarvelin.exe starts with \"Set Up Game\""
key "$setup_dialog" Return
wait_until 60 "the set-up dialog to close" window_gone "Set Up Game"
key "$main" alt+F4
key "$(wait_for_window "Confirm Quit" 60)" Return
wait_until 60 "the program to end" program_ended zarvelin
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Zarvelin
[ -s "$appdata/settings.txt" ] || fail "the program kept no set-up in $appdata"

# The uninstaller copies itself away to delete its own file, so the one
# started returns at once: the folder's going is what shows it done.
wine "$folder/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the silent uninstall failed"
wait_until 60 "the uninstaller to remove Program Files\\Zarvelin" test ! -e "$folder"
wineserver -w
while read -r path; do
    [ ! -e "$path" ] || fail "the uninstaller left ${path#"$WINEPREFIX/"}"
done <"$work/installed"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its entry among the installed apps"
[ -s "$appdata/settings.txt" ] || fail "the uninstaller took the player's files in %APPDATA%\\Zarvelin"
pass "the silent uninstall removed every installed file and kept %APPDATA%\\Zarvelin"
