#!/bin/bash
# The checks over the real USB stack, run as root inside the guest (tools/usb-guest/run-guest) in a writable work
# folder: parlowen-cli and the window through hidapi, hidraw and usbhid against parlowen-virtual-controller on
# dummy_hcd, and the udev rule under the system's udevd. Every check runs; each failure is named; the status is
# the count of failures.
# Usage: usb-checks.sh BUILD SOURCE
build="$1" source="$2"
cli="$build/bin/parlowen-cli" vc="$build/bin/parlowen-virtual-controller"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
mkfifo "$TMPDIR/tick" && exec 9<> "$TMPDIR/tick"
pause() { read -r -t "$1" -u 9; }
now() { echo "${EPOCHREALTIME/./}"; } # microseconds
hidraws() { local n=(/sys/class/hidraw/hidraw*); [ -e "${n[0]}" ] && echo "${#n[@]}" || echo 0; }
await_hidraws() { # COUNT: until that many hidraw nodes are present and settled, at most 10 s
    local i
    for ((i = 0; i < 200; i++)); do [ "$(hidraws)" = "$1" ] && udevadm settle -t 5 && return 0; pause 0.05; done
    fail "expected $1 hidraw nodes, found $(hidraws)"
}
start() { # NAME OPTIONS...: a virtual controller on gadgetfs, its reports in NAME.log
    local name="$1"; shift
    "$vc" --log "$name.log" "$@" 2> "$name.err" &
    eval "pid_$name=$!"
}
stop() { # NAME
    local pid="pid_$1"
    kill "${!pid}" 2> /dev/null; wait "${!pid}" 2> /dev/null
}
run() { # EXPECTED-STATUS COMMAND...: out and err keep what it printed
    timeout 30 "$cli" "$@" > out 2> err
    local status=$?
    [ "$status" = "$expected" ] || fail "parlowen-cli $*: status $status, not $expected; $(tail -n 2 err)"
}
expect() { expected="$1"; shift; run "$@"; }
has() { grep -qF -- "$2" "$1" || fail "$1 lacks \"$2\": $(tail -n 2 "$1")"; }
wire() { # LOG FIRST-LINE EXPECTED-FILE: 45 write reports from that line on
    tail -n "+$2" "$1" | head -n 45 | cmp -s - "$3" || fail "the wire of $3 differs from what $1 received"
}

echo "usb: the checks begin $(cut -d" " -f1 /proc/uptime) s after the guest's boot"
/lib/systemd/systemd-udevd --daemon 2> /dev/null || fail "udevd did not start"
mkdir -p /run/udev/rules.d && cp "$source/packaging/70-quilmox-parlowen.rules" /run/udev/rules.d/
udevadm control --reload
# The files, made by the tool from the defaults' JSON: a random one (its message short enough to travel whole, so
# that a read gives it back byte for byte) and one with every text at the longest that import takes (which it
# names when given too long a text), a second random one for the batch's second unit; and the wire a write of each
# must give, the defaults' being the golden one.
"$cli" defaults -o defaults.dat && "$cli" show --json defaults.dat > defaults.json || fail "the defaults' JSON"
sed 's/": "[^"]*"/": "'"$(printf 'x%.0s' {1..600})"'"/' defaults.json > probe.json
"$cli" import probe.json -o probe.dat 2> limits
for mode in random longest random2; do
    awk -v mode="$mode" 'BEGIN { srand(mode == "random2" ? 16 : 15); chars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,:;!?-+*/#()" }
        FNR == NR { if (split($0, q, "\"") >= 3 && match($0, /longer than [0-9]+ bytes/)) longest[q[2]] = substr($0, RSTART + 12, RLENGTH - 18) + 0; next }
        !match($0, /^ *"[^"]+": /) { print; next }
        {
            head = substr($0, 1, RLENGTH); value = substr($0, RLENGTH + 1); comma = value ~ /,$/ ? "," : ""
            sub(/,$/, "", value); split(head, q, "\""); key = q[2]
            if (value == "true" || value == "false") value = mode == "longest" || rand() < 0.5 ? "true" : "false"
            else if (value ~ /^[0-9]+$/) value = key == "inhibit_input" ? int(rand() * 17) : 10 + int(rand() * 64991)
            else if (key in longest) {
                n = mode == "longest" ? longest[key] : int(rand() * ((key == "message" ? 250 : longest[key]) + 1))
                for (value = ""; length(value) < n;) value = value substr(chars, 1 + int(rand() * length(chars)), 1)
                value = "\"" value "\""
            }
            print head value comma
        }' limits defaults.json > "$mode.json"
    "$cli" import "$mode.json" -o "$mode.dat" || fail "import $mode.json"
done
for file in defaults random longest; do "$vc" --expected-write "$file.dat" > "$file.wire" || fail "$file.wire"; done
cut -c4- "$source/tests/data/write_default_block.hex" | cmp -s - defaults.wire || fail "defaults.wire is not the golden write"
started=$(now)

# Two controllers at once: the gadgetfs one at 000B and a configfs HID function at 0010 on the second bus.
"$vc" --configfs dummy_udc.1 --revision 0010 --log second.log 2> second.err & pid_second=$!
# The version text fills the answer to its last byte, which hidraw hands over as the 64th.
version="Parlowen 2.7, a version text that fills its whole field"
start first --version-text "$version" --serial 4242 --signal 12,45
await_hidraws 2
echo "usb: controllers ready $(( ($(now) - started) / 1000 )) ms after the checks started"
node_on() { # BUS: the hidraw node of the device on that USB bus
    local n
    for n in /sys/class/hidraw/hidraw*; do [[ "$(readlink -f "$n")" == */$1/* ]] && echo "/dev/${n##*/}"; done
}
first=$(node_on usb1) second=$(node_on usb2)
expect 0 list
has out "$first	000B	normal"
has out "$second	0010	normal"
for node in "$first" "$second"; do
    udevadm info --query=property "$node" | grep -q '^TAGS=.*:uaccess:' || fail "$node has no uaccess tag"
done
expect 0 info --device "$second"
[ "$(wc -l < second.log)" = 1 ] && [ ! -s first.log ] || fail "--device $second did not reach that controller alone"
expect 0 info
has out "version: $version"
has out "serial number: 4242"
expect 0 signal; has out 12
expect 0 signal; has out 45
for file in defaults random longest; do
    from=$(($(wc -l < first.log) + 1))
    expect 0 write "$file.dat" --verify
    has err "The controller holds the file's settings."
    wire first.log "$from" "$file.wire"
    [ "$(tail -n "+$((from + 45))" first.log | cut -c1-2 | tr -d '\n')" = "53$(printf '7252%.0s' {1..21})" ] \
        || fail "the verifying read of $file.dat is not S and 21 rR pairs"
    if [ "$file" != longest ]; then # the longest message's bytes from 256 on never travel
        expect 0 read -o "$file.read" && cmp -s "$file.dat" "$file.read" || fail "read -o did not give $file.dat back"
    fi
done
# A figure, not a check: write --verify (88 reports) over the emulated full-speed bus, as a whole process.
times=()
for run in 1 2 3; do
    begun=$(now); "$cli" write defaults.dat --verify --quiet 2> /dev/null; times+=($(( ($(now) - begun) / 1000 )))
done
echo "usb: write --verify over USB took ${times[*]} ms (the link's floor at one report a millisecond: 88 ms)"
stop first
kill "$pid_second"; wait "$pid_second"
await_hidraws 0

# Program mode: refused with nothing sent; another revision with the right identity goes on; a wrong identity not.
start mode --revision 0001; await_hidraws 1
expect 0 list; has out "	0001	program mode"
expect 3 info; has err "QUILMOX is in Program Mode"
[ ! -s mode.log ] || fail "a report was sent to a controller in program mode"
stop mode; await_hidraws 0
start other --revision 0102 --settings random.dat; await_hidraws 1
expect 0 info; has out "serial number: 16909060"
expect 0 read -o held.dat && cmp -s held.dat random.dat || fail "the controller started with random.dat read back otherwise"
stop other; await_hidraws 0
start wrong --identity-check 0,1,12; await_hidraws 1
expect 4 info; has err "Application is not a QUILMOX Parlowen"
stop wrong; await_hidraws 0

# Unplugged after report 17 of a write: the unplug ends it, not the answer time-out (a minute here; a hang meets
# run's 30 s limit); once the controller is back, the next write runs whole.
start unplug --unplug-after 17 --replug-after 500; await_hidraws 1
begun=$(now)
expect 4 write defaults.dat --timeout 60
echo "usb: the unplug was reported $(( ($(now) - begun) / 1000 )) ms after the write started"
has err "the controller was unplugged after report 17 of 45"
await_hidraws 1
expect 0 write defaults.dat
stop unplug; await_hidraws 0
start silent --silent-after 1; await_hidraws 1
expect 4 write defaults.dat --timeout 1; has err "the controller stopped answering after report 2 of 45"
stop silent; await_hidraws 0

# A site's batch of two units in turn, each holding a preset of its own: once the record has the first unit's line
# the operator unplugs it, and plugs in the second when the batch asks for row 2. Each unit receives identify, the
# backup's read, the write and the read back (132 reports); each backup is what its unit held, as far as a read
# carries it (the presets' messages travel whole).
awaits() { # FILE TEXT: until FILE has TEXT, at most 30 s
    local i
    for ((i = 0; i < 600; i++)); do grep -qF -- "$2" "$1" 2> /dev/null && return 0; pause 0.05; done
    fail "$1 never had \"$2\": $(tail -n 2 "$1")"
}
printf 'device_name\r\nPump 1\r\nPump 2\r\n' > units.csv
start unitA --serial 5001 --settings random.dat; await_hidraws 1
begun=$(now)
timeout 60 "$cli" batch defaults.dat units.csv --record record.csv --wait 30 > batch.out 2> batch.err & pid_batch=$!
awaits record.csv ",verified,"
swap=$(now)
stop unitA; await_hidraws 0
awaits batch.err 'Plug in the controller for row 2 (device_name "Pump 2")'
start unitB --serial 5002 --settings random2.dat
swap=$(( ($(now) - swap) / 1000 ))
wait "$pid_batch"; status=$?
echo "usb: two-unit batch $(( ($(now) - begun) / 1000 )) ms (its start to its end; the unplug of the first unit," \
    "until the batch asked for the second and it was started, took $swap ms of it)"
[ "$status" = 0 ] || fail "the two-unit batch: status $status, not 0; $(tail -n 2 batch.err)"
has batch.out "2 verified, 0 differ, 0 pending"
stop unitB; await_hidraws 0
for unit in unitA:5001:random unitB:5002:random2; do
    IFS=: read -r name serial preset <<< "$unit"
    [ "$(wc -l < "$name.log")" = 132 ] || fail "$name received $(wc -l < "$name.log") reports, not 132"
    backup=(backups/"$serial"-*.dat)
    [ "${#backup[@]}" = 1 ] && [ -f "${backup[0]}" ] \
        || fail "controller $serial has ${#backup[@]} backups: ${backup[*]}"
    "$cli" diff "${backup[0]}" "$preset.dat" > backup.diff && [ ! -s backup.diff ] \
        || fail "the backup of $serial is not $preset.dat: $(head -n 3 backup.diff)"
done
[ "$(awk -F, '$5 == "verified" { printf "%s:%s ", $2, $3 }' record.csv)" = "2:5001 3:5002 " ] \
    || fail "the record's verified lines are not rows 2 and 3 of units.csv to 5001 and 5002: $(cat record.csv)"
# Killed in the middle of a unit (its controller falls silent inside the write, the answer time-out a minute): the
# record keeps the finished unit's line, and every line is whole.
whole() { # RECORD: every line ends in CR LF and has the record's nine fields (no field here holds a comma)
    [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' ')" = 0d0a ] \
        && awk -F, '!/\r$/ || NF != 9 { bad = 1 } END { exit bad }' "$1" \
        || fail "$1 has a line cut short: $(cat -A "$1")"
}
start unitC --serial 5003; await_hidraws 1
"$cli" batch defaults.dat units.csv --record kill.csv --backups kill --wait 30 --timeout 60 > /dev/null 2> kill.err &
pid_batch=$!
awaits kill.csv ",verified,"
stop unitC; await_hidraws 0
awaits kill.err 'Plug in the controller for row 2'
start unitD --serial 5004 --silent-after 60
awaits kill.err "Writing row 2"
kill -KILL "$pid_batch"; wait "$pid_batch" 2> /dev/null
stop unitD; await_hidraws 0
whole kill.csv
[ "$(awk -F, 'NR > 1 { printf "%s:%s:%s ", $2, $3, $5 }' kill.csv)" = "2:5003:verified " ] \
    || fail "the killed batch's record is not the first unit's line alone: $(cat kill.csv)"

# The window over the same stack.
start window --signal 23; await_hidraws 1
QT_QPA_PLATFORM=offscreen timeout 60 "$build/tests/usb/test_UsbWindow" writeReadSignal > window.out 2>&1 \
    || fail "the window's write, read and signal: $(grep -E 'FAIL|Loc' window.out)"
stop window; await_hidraws 0
start window --unplug-after 17 --replug-after 500; await_hidraws 1
QT_QPA_PLATFORM=offscreen timeout 60 "$build/tests/usb/test_UsbWindow" unplugDuringWrite > window.out 2>&1 \
    || fail "the window's unplugged write: $(grep -E 'FAIL|Loc' window.out)"
grep -h "^usb window heartbeat" window.out || fail "the window's unplugged write printed no heartbeat"
stop window; await_hidraws 0

# Another product of the same vendor: neither the tool's nor the rule's.
start stranger --product F2C5; await_hidraws 1
stranger=$(node_on usb1) && props=$(udevadm info --query=property "$stranger") && grep -q "^DEVNAME=$stranger$" <<< "$props" \
    || fail "udev knows no hidraw node of the other product"
grep -q '^TAGS=.*:uaccess:' <<< "$props" && fail "another product got the uaccess tag"
expect 3 list; has err "Cannot find QUILMOX"
stop stranger

echo "usb: checks took $(( ($(now) - started) / 1000 )) ms, $failures failed"
exit "$failures"
