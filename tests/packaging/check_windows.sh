#!/bin/sh
# Checks the Windows packages of a build: the deployed folder runs under Wine with nothing of the toolchain on the
# path; the tool's window comes up with the windows platform plugin on a virtual display and opens the settings
# file named on its command line; the MSI installs silently into Program Files with its Start-menu entry and
# "Open with" registration, the installed command-line tool works, and the uninstall removes it all; the zip holds
# the folder.
#
# Usage: check_windows.sh BUILD_DIR PACKAGE_NAME
set -eu
build=$1 package=$2
folder="$build/QUILMOX-Parlowen"
scratch=$(mktemp -d)
trap 'WINEPREFIX="$scratch/wine" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
fail() { echo "check_windows: $*" >&2; exit 1; }

# A Wine prefix of the check's own, and no WINEPATH: every DLL must come from the folder or the system.
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM
wine=/usr/lib/wine/wine64
$wine wineboot -i >/dev/null 2>&1

for file in parlowen.exe parlowen-cli.exe parlowen.chm platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libhidapi.dll libchm.dll libstdc++-6.dll libwinpthread-1.dll \
    THIRD-PARTY-NOTICES.txt licenses/Qt-LGPL-3.0.txt licenses/chmlib-LGPL-2.1.txt licenses/hidapi-BSD.txt \
    translations/qtbase_de.qm translations/qtbase_pt_BR.qm; do
    [ -f "$folder/$file" ] || fail "the folder lacks $file"
done
[ ! -e "$folder/Qt6Test.dll" ] || fail "the folder holds the test library"
x86_64-w64-mingw32-objdump -p "$folder/parlowen.exe" | grep -q 'Subsystem.*(Windows GUI)' || fail "parlowen.exe is not a GUI program"
x86_64-w64-mingw32-objdump -p "$folder/parlowen-cli.exe" | grep -q 'Subsystem.*(Windows CUI)' || fail "parlowen-cli.exe is not a console program"

# The window: a settings file named on the command line is opened at start-up. A tool-written file opens without
# a word and the window closes on WM_CLOSE (taskkill without /F) with status 0; a file of another kind brings the
# box that Load File gives for it.
(cd "$scratch" && $wine "$folder/parlowen-cli.exe" defaults -o good.dat >/dev/null) || fail "parlowen-cli.exe defaults failed"
printf 'not a settings file' >"$scratch/other.dat"
window_run() { # $1: settings file; $2: what to wait for; the status is the window's
    # A Wine session keeps the display it started with: wait for the last one to end first.
    /usr/lib/wine/wineserver -w
    xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
        wine=$0 exe=$1 file=$2 wanted=$3 shot=$4
        $wine "$exe" "$file" >/dev/null 2>&1 &
        pid=$!
        for i in $(seq 1 240); do
            xdotool search --name "$wanted" >/dev/null 2>&1 && break
            sleep 0.5
        done
        xdotool search --name "$wanted" >/dev/null 2>&1 || { echo "no window named $wanted" >&2; kill $pid; exit 90; }
        sleep 1
        import -window root "$shot" 2>/dev/null || true
        $wine taskkill /IM parlowen.exe >/dev/null 2>&1
        for i in $(seq 1 30); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
        if kill -0 $pid 2>/dev/null; then $wine taskkill /F /IM parlowen.exe >/dev/null 2>&1; wait $pid; echo "closed by force" >&2; exit 91; fi
        wait $pid' "$wine" "$folder/parlowen.exe" "$1" "$2" "$build/$3"
}
window_run "Z:$scratch/good.dat" "Vesion: 1.01" windows-main.png || fail "the window did not come up and close cleanly"
status=0
window_run "Z:$scratch/other.dat" "^Error$" windows-refused.png 2>/dev/null || status=$?
[ "$status" -ne 90 ] || fail "a file of another kind named on the command line brought no box"
[ -s "$build/windows-main.png" ] || fail "no screenshot of the window"
window_run "--language=de" "QUILMOX Parlowen" windows-main-de.png || fail "the window did not come up in German"

# The installer, silently, as an administrator's deployment would run it (in a Wine session without a display).
/usr/lib/wine/wineserver -w
$wine msiexec /i "Z:$build/$package.msi" /qn || fail "the MSI did not install"
installed="$WINEPREFIX/drive_c/Program Files/QUILMOX Parlowen"
[ -f "$installed/parlowen.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] || fail "nothing in Program Files"
[ -f "$installed/translations/qtbase_pl.qm" ] || fail "Qt's translations are not installed beside the tool"
find "$WINEPREFIX/drive_c" -name 'QUILMOX Parlowen.lnk' | grep -q . || fail "no Start-menu entry"
$wine reg query 'HKLM\Software\Classes\.dat\OpenWithProgids' 2>/dev/null | grep -q QUILMOX.Parlowen.Settings \
    || fail "settings files are not offered to the tool"
$wine reg query 'HKLM\Software\Classes\.dat' /ve 2>/dev/null | grep -q QUILMOX && fail "the installer took over .dat"
(cd "$scratch" && $wine "$installed/parlowen-cli.exe" defaults -o installed.dat) || fail "the installed parlowen-cli.exe failed"
cmp -s "$scratch/installed.dat" "$scratch/good.dat" || fail "the installed tool writes other defaults"
$wine msiexec /x "Z:$build/$package.msi" /qn || fail "the MSI did not uninstall"
[ ! -e "$installed/parlowen.exe" ] || fail "the uninstall left the tool behind"

unzip -l "$build/$package.zip" | grep -q 'QUILMOX-Parlowen/parlowen.exe' || fail "the zip lacks the tool"
echo "check_windows: all checks passed"
