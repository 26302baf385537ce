#!/usr/bin/env bash
# The set-up scripts on a machine that has nothing: apt-get, dpkg-query, sudo and id are stand-ins on PATH that
# report every package missing, print what apt prints and install nothing. What a caller reads from each script's
# standard output must still be only what it asked for.
# Usage: check_setup_scripts.sh SOURCE_DIR
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fakes="$work/bin"
mkdir -p "$fakes"
fail() { echo "FAIL: $*" >&2; exit 1; }

cat >"$fakes/dpkg-query" <<'EOF'
#!/bin/sh
echo "dpkg-query $*" >>"$FAKE_LOG"
case "$*" in
    *'source:Version'*) echo "9.9.9-1" ;;
    *) echo "dpkg-query: no packages found matching $4" >&2; exit 1 ;;
esac
EOF
cat >"$fakes/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $*" >>"$FAKE_LOG"
echo "Reading package lists..."
echo "Building dependency tree..."
echo "The following NEW packages will be installed:"
echo "  fake-package"
echo "Setting up fake-package (1.0) ..."
EOF
cat >"$fakes/sudo" <<'EOF'
#!/bin/sh
echo "sudo $*" >>"$FAKE_LOG"
exec "$@"
EOF
# A user who is not root, so that the scripts reach for sudo.
cat >"$fakes/id" <<'EOF'
#!/bin/sh
[ "$1" = -u ] && { echo 1000; exit 0; }
exec /usr/bin/id "$@"
EOF
chmod +x "$fakes"/*
export FAKE_LOG="$work/calls.log" PATH="$fakes:$PATH" PARLOWEN_WINDOWS_CACHE="$work/cache"
dpkg_status="$(sha256sum /var/lib/dpkg/status 2>/dev/null || true)"

for args in "" --gui --windows; do
    : >"$FAKE_LOG"
    out="$("$source_dir/scripts/deps" $args 2>"$work/err")" || fail "scripts/deps $args failed: $(cat "$work/err")"
    [ -z "$out" ] || fail "scripts/deps $args printed on standard output: $out"
    grep -q '^sudo apt-get install .*cmake' "$FAKE_LOG" || fail "scripts/deps $args did not install through sudo"
    grep -q 'Reading package lists' "$work/err" || fail "apt's output of scripts/deps $args is lost"
done
grep -q '^sudo apt-get install .*wine64' "$FAKE_LOG" || fail "scripts/deps --windows did not install Wine"

# With the toolchain in the cache, windows-deps prints its prefix, one line, and nothing else.
key="$("$source_dir/scripts/windows-deps" --print-key 2>"$work/err")" || fail "--print-key failed: $(cat "$work/err")"
prefix="$(sed -n 's/^prefix //p' <<<"$key")"
[[ "$prefix" == "$work/cache/windows-"* ]] || fail "--print-key names no prefix in the cache: $key"
grep -q '^qt6-base 9.9.9-1$' <<<"$key" || fail "the key is not made of the source versions: $key"
mkdir -p "$prefix"
touch "$prefix/.complete"
: >"$FAKE_LOG"
"$source_dir/scripts/windows-deps" >"$work/out" 2>"$work/err" || fail "scripts/windows-deps failed: $(cat "$work/err")"
[ "$(wc -l <"$work/out")" -eq 1 ] || fail "scripts/windows-deps printed more than its prefix: $(cat "$work/out")"
[ "$(cat "$work/out")" = "$prefix" ] || fail "scripts/windows-deps printed $(cat "$work/out"), not $prefix"
grep -q '^sudo apt-get install .*g++-mingw-w64' "$FAKE_LOG" || fail "scripts/windows-deps did not install MinGW-w64"

# Another version of a source package is another toolchain.
sed -i 's/9\.9\.9-1/9.9.9-2/' "$fakes/dpkg-query"
other="$("$source_dir/scripts/windows-deps" --print-key 2>/dev/null | sed -n 's/^prefix //p')"
[ "$other" != "$prefix" ] || fail "a new source version keeps the toolchain's key"

[ "$(sha256sum /var/lib/dpkg/status 2>/dev/null || true)" = "$dpkg_status" ] || fail "a package was installed for real"
echo "the set-up scripts keep their standard output to what their callers ask for"
