#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what a user gets from it: the layout, an unpacked tool
# that finds its help, lintian, the desktop entry, the metainfo and the settings file type.
# Usage: check_package.sh BUILD_DIR with-cli|without-cli
set -euo pipefail
build="$1"
cli="$2"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in cpack dpkg-deb lintian desktop-file-validate appstreamcli xmllint update-mime-database gio; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps installs it)"
done

scratch="$(realpath "$(mktemp -d)")"
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

echo "== package"
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package, got: ${debs[*]}"
deb="${debs[0]}"
name="parlowen_$(dpkg-deb -f "$deb" Version)_$(dpkg --print-architecture).deb"
[ "$(basename "$deb")" = "$name" ] || fail "package is named $(basename "$deb"), not $name"

echo "== layout"
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$scratch/contents"
expected=(usr/bin/parlowen usr/share/parlowen/parlowen.chm usr/share/man/man1/parlowen.1.gz
    usr/lib/udev/rules.d/70-quilmox-parlowen.rules usr/share/applications/com.quilmox.parlowen.desktop
    usr/share/metainfo/com.quilmox.parlowen.metainfo.xml usr/share/mime/packages/com.quilmox.parlowen.xml
    usr/share/icons/hicolor/scalable/apps/com.quilmox.parlowen.svg usr/share/doc/parlowen/copyright)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/com.quilmox.parlowen.png")
done
executables="usr/bin/parlowen"
if [ "$cli" = with-cli ]; then
    expected+=(usr/bin/parlowen-cli usr/share/man/man1/parlowen-cli.1.gz)
    executables="usr/bin/parlowen usr/bin/parlowen-cli"
fi
for path in "${expected[@]}"; do
    grep -qxF "$path" "$scratch/contents" || fail "$path is missing from the package"
done
# Nothing but the executables in bin: the help file used to be installed there.
actual="$(grep '^usr/bin/.' "$scratch/contents" | sort | xargs)"
[ "$actual" = "$executables" ] || fail "usr/bin holds '$actual', expected '$executables'"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
# Qt's own translations, for its dialogs' and boxes' buttons, come with Debian's package of them.
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || fail "the package does not depend on Qt's translations"

echo "== lintian (every tag shown; errors fail)"
lintian --display-info --fail-on error "$deb" || fail "lintian reports errors"

echo "== desktop entry, metainfo, MIME XML"
share="$root/usr/share"
desktop-file-validate "$share/applications/com.quilmox.parlowen.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/com.quilmox.parlowen.metainfo.xml" || fail "appstreamcli validate"
xmllint --noout "$share/mime/packages/com.quilmox.parlowen.xml" || fail "xmllint on the MIME XML"

echo "== settings files are recognised by content"
# A database of the package's type alone, so a settings file can only be named by it, and only from its content.
xdg="$scratch/xdg"
mkdir -p "$xdg/mime/packages"
cp "$share/mime/packages/com.quilmox.parlowen.xml" "$xdg/mime/packages/"
XDG_DATA_DIRS="$xdg" update-mime-database "$xdg/mime" 2>"$scratch/mime.log"
[ ! -s "$scratch/mime.log" ] || { cat "$scratch/mime.log"; fail "update-mime-database complains"; }
settings_file() { # VERSION-BYTES TITLE NAME: 1884 bytes, laid out as the tool writes a settings file
    { printf '%b' "$1"; printf '%s' "$2"; head -c $((1884 - 4 - ${#2})) /dev/zero; } >"$scratch/$3"
}
settings_file '\x01\x00\x00\x00' "QUILMOX Parlowen" settings.dat
settings_file '\x01\x00\x00\x00' "QUILMOX Parlowen" settings
settings_file '\x01\x00\x00\x00' "QUILMOX PARLOWEN" other-title.dat
settings_file '\x01\x00\x00\x00' "QUILMOX Parlowen2" unterminated.dat
printf 'level=3\n' >"$scratch/text.dat"
for case in settings.dat:yes settings:yes other-title.dat:no unterminated.dat:no text.dat:no; do
    file="${case%:*}"
    type="$(XDG_DATA_HOME="$xdg" XDG_DATA_DIRS="$xdg" gio info -a standard::content-type "$scratch/$file" \
        | sed -n 's/^ *standard::content-type: //p')"
    [ -n "$type" ] || fail "gio gave no content type for $file"
    claimed=no
    [ "$type" = application/x-parlowen-settings ] && claimed=yes
    [ "$claimed" = "${case#*:}" ] || fail "$file is $type"
done

echo "== maintainer scripts reload udev only where it can, and never fail"
dpkg-deb -e "$deb" "$scratch/control"
mkdir "$scratch/fakebin" "$scratch/nobin"
printf '#!/bin/sh\necho "$*" >>"%s/udevadm.log"\nexit 1\n' "$scratch" >"$scratch/fakebin/udevadm"
chmod +x "$scratch/fakebin/udevadm"
for run in postinst:configure postrm:remove; do
    script="$scratch/control/${run%:*}"
    : >"$scratch/udevadm.log"
    PATH="$scratch/fakebin:$PATH" "$script" "${run#*:}" || fail "${run%:*} fails when udevadm fails"
    printf 'control --reload-rules\ntrigger --subsystem-match=hidraw --action=change\n' \
        | diff - "$scratch/udevadm.log" || fail "${run%:*} does not reload the rules and trigger hidraw devices"
    PATH="$scratch/nobin" "$script" "${run#*:}" || fail "${run%:*} fails without udevadm"
done

echo "== unpacked tool finds its help"
help_line="parlowen.help: help file: $root/usr/share/parlowen/parlowen.chm"
: >"$scratch/stderr"
# Started from another folder, so only the path relative to the executable can lead it to the help file.
(cd "$scratch" && exec env -u QT_MESSAGE_PATTERN QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES=parlowen.help.info=true "$root/usr/bin/parlowen" 2>"$scratch/stderr" >/dev/null) &
app_pid=$!
for _ in $(seq 100); do
    grep -qxF "$help_line" "$scratch/stderr" && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if ! grep -qxF "$help_line" "$scratch/stderr"; then
    cat "$scratch/stderr"
    kill -0 "$app_pid" 2>/dev/null || fail "the unpacked tool ended without reporting '$help_line'"
    fail "the unpacked tool did not report '$help_line' within 10 s"
fi
kill -TERM "$app_pid"
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the unpacked tool did not end within 5 s of SIGTERM"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || { cat "$scratch/stderr"; fail "the unpacked tool ended with status $status on SIGTERM"; }

echo "packaging: all checks passed"
