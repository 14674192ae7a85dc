#!/usr/bin/env bash
# The Debian package on this machine, as a player gets it: lintian --pedantic
# and appstreamcli have nothing to say about it, apt-get installs it with its
# dependencies, the program lands in /usr/games with its desktop entry,
# software-centre metadata, icons, manual page and documents, starts with
# "Set Up Game", and How to Play opens the installed rules page; apt-get
# remove takes every file it installed away again. The package
# (scripts/package) is removed at the end whatever happens. Installing needs
# root, as CI has; elsewhere it is skipped.
source "$(dirname "$0")/lib_linux.bash"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
deb=${ZARVELIN_DEB:-$E2E_DIR/../../build-package/zarvelin_${version}_amd64.deb}
[[ -f $deb ]] || fail "$deb is missing: run scripts/package"
if ((EUID != 0)); then
    echo "SKIP: installing a package needs root"
    exit 77
fi
# lintian, as strict as it gets, has nothing to say about the package.
# (Its own note about running as root goes to standard error.)
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" >"$WORK/lintian.log" 2>"$WORK/lintian.err" &&
    [[ ! -s $WORK/lintian.log ]] ||
    { cat "$WORK/lintian.log" "$WORK/lintian.err" >&2; fail "lintian --pedantic has remarks on $deb"; }
echo "lintian --pedantic: no remarks"
# The software centres' entry among the files it describes: the desktop entry
# it launches is there under its id.
dpkg-deb -x "$deb" "$WORK/tree"
appstreamcli validate-tree --pedantic --no-net "$WORK/tree" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log" >&2; fail "appstreamcli validate-tree has remarks on the package's files"; }
grep -qE '^ *[EWIP]: ' "$WORK/appstream.log" && { cat "$WORK/appstream.log" >&2; fail "appstreamcli validate-tree has remarks"; }
echo "appstreamcli validate-tree --pedantic: no remarks"

installed() { dpkg-query -W -f='${Status}' zarvelin 2>/dev/null | grep -q "ok installed"; }
installed && fail "zarvelin is already installed on this machine: remove it (apt-get remove zarvelin) to run this test"

apt() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@" >>"$WORK/apt.log" 2>&1; }
# Whatever happens, nothing of the package stays on the machine.
purge_package() {
    local status
    status=$(dpkg-query -W -f='${db:Status-Status}' zarvelin 2>/dev/null)
    [[ -z $status || $status == not-installed ]] || apt purge zarvelin
}
trap 'purge_package; e2e_cleanup' EXIT

apt install --no-install-recommends "$(realpath "$deb")" || { cat "$WORK/apt.log" >&2; fail "apt-get install"; }
installed || fail "the package is not installed after apt-get install"
dpkg -L zarvelin >"$WORK/files"
icons=/usr/share/icons/hicolor
app_id=io.github.zarvelin.zarvelin
for file in /usr/games/zarvelin /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
    /usr/share/man/man6/zarvelin.6.gz \
    /usr/share/doc/zarvelin/{rules.html,copyright,changelog.gz} $icons/{16x16,32x32,48x48,256x256}/apps/zarvelin.png; do
    grep -qx "$file" "$WORK/files" && [[ -s $file ]] || fail "the package did not install $file"
done
for size in 16 32 48 256; do
    [[ $(identify -format %wx%h "$icons/${size}x$size/apps/zarvelin.png") == "${size}x$size" ]] ||
        fail "the ${size}x$size icon is not $size pixels square"
done
depends=$(dpkg-query -W -f='${Depends}' zarvelin)
for library in libc6 libfltk1.3 libsdl2-2.0-0 libx11-6 libasound2; do
    [[ $depends == *"$library "* || $depends == *"$library," || $depends == *"$library" ]] ||
        fail "the package does not depend on $library: $depends"
done
echo "installed: $(wc -l <"$WORK/files") paths; depends on $depends"

# The installed program, started as the desktop entry starts it.
ZARVELIN=/usr/games/zarvelin
e2e_start_x
e2e_stand_in_browser
e2e_start_game
e2e_start_with_defaults
page=$(e2e_how_to_play "$MAIN")
[[ $page == /usr/share/doc/zarvelin/rules.html ]] || fail "How to Play opened \"$page\", not the installed rules page"
echo "/usr/games/zarvelin shows \"Set Up Game\", and How to Play opens $page"
e2e_close_window "$MAIN"
e2e_key "$(e2e_wait_window "Confirm Quit")" Return
[[ $(e2e_wait_exit) == 0 ]] || fail "the installed program did not end cleanly"

apt remove zarvelin || { cat "$WORK/apt.log" >&2; fail "apt-get remove"; }
installed && fail "the package is still installed after apt-get remove"
# Every file is gone; a folder may stay only while it holds other files or
# belongs to another package.
while read -r path; do
    if [[ -d $path && ! -L $path ]]; then
        [[ -n $(ls -A "$path") ]] || dpkg -S "$path" >/dev/null 2>&1 || fail "apt-get remove left the empty folder $path"
    elif [[ -e $path || -L $path ]]; then
        fail "apt-get remove left $path"
    fi
done <"$WORK/files"
echo "apt-get remove took every installed file away"
echo "PASS"
