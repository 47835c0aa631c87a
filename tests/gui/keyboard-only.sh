#!/usr/bin/env bash
# A technician's round without a mouse: the desktop program on a virtual display reads a simulated
# radio, changes channel 1's receive frequency in the channel list, writes the radio, saves the data
# file, and the radio and the file are then checked with tavctl. Every step is a key press (xdotool
# key/type); the only other X request gives the keyboard focus to the window that opened, as a
# window manager would. Exit 77 (skipped) without Xvfb or xdotool.
# Usage: keyboard-only.sh TAVPROG TAVCTL PROGRAM_FOLDER (the shipped files to start from)
set -euo pipefail
tavprog=$1 tavctl=$2 template=$3

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    [ -n "${DISPLAY:-}" ] && command -v import >/dev/null && import -window root "$work/last.png" 2>/dev/null &&
        cp "$work/last.png" "${TMPDIR:-/tmp}/keyboard-only-failure.png" && echo "screen: ${TMPDIR:-/tmp}/keyboard-only-failure.png" >&2
    exit 1
}

# The radio: a simulated TAV-V300 on a pseudo-terminal, holding the model's default data.
"$tavctl" simulate --image "$template/TAV-V300136-174DefaultSet.dat" --model-id TAV-V300 \
    --model-name "TAV 310" --band 136-174 >"$work/sim.out" 2>"$work/sim.err" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
device=$(head -n 1 "$work/sim.out")
[ -n "$device" ] || fail "the simulated radio did not start: $(cat "$work/sim.err")"

# The program's folder, with the radio's port as the only one in the port table.
home="$work/home"
mkdir -p "$home"
cp -r "$template/." "$home/"
printf '[Setting]\nModelName=TAV 310\nModelID=TAV-V300\nFreqRange=136-174\n[Ports]\nPort1=%s\n' \
    "$device" >"$home/Settings.ini"

# A virtual display of its own.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 number <&3 || fail "Xvfb did not start"
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$tavprog" --home "$home" --no-splash >"$work/tavprog.log" 2>&1 &
pids+=($!)

# Waits for (at least COUNT, default 1) shown windows whose title matches, gives the newest the
# keyboard focus and prints its id. A transfer's result comes in a message box titled as the
# transfer's own dialog, above it: the second window of that title.
focus() {
    local id count
    for _ in $(seq 150); do
        count=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l || true)
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | sort -n | tail -n 1 || true)
        if [ -n "$id" ] && [ "$count" -ge "${2:-1}" ]; then
            xdotool windowfocus --sync "$id" 2>/dev/null || true
            sleep 0.3
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    fail "no window titled '$1'"
}
# Waits until no shown window matches the title.
gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    fail "the window '$1' stayed open"
}
key() { xdotool key --delay 80 "$@"; sleep 0.3; }

main=$(focus '^TAV Programmer')

# Program > Read from Radio (Ctrl+R), OK, then the message that tells the read is done.
key ctrl+r
focus '^Read from Radio$' >/dev/null
key Return
focus '^Read from Radio$' 2 >/dev/null # the message that tells the read is done
key Return
gone '^Read from Radio$'
xdotool windowfocus --sync "$main"

# Edit > Channel List; channel 1's receive frequency typed over.
key alt+e
key Down Down Down Return
sleep 0.5
xdotool type --delay 80 "145.5"
key Return

# Program > Write to Radio (Ctrl+W), OK, then the message that tells the write is done.
key ctrl+w
focus '^Write to Radio$' >/dev/null
key Return
# The note before a write (keep the radio on and connected) is answered with OK.
focus '^Note$' >/dev/null
key Return
focus '^Write to Radio$' 2 >/dev/null
key Return
gone '^Write to Radio$'
xdotool windowfocus --sync "$main"

# File > Save (Ctrl+S) asks for a name: the document came from the radio.
saved="$work/fleet.dat"
key ctrl+s
focus 'Save' >/dev/null
xdotool type --delay 40 "$saved"
key Return
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.2; done
[ -s "$saved" ] || fail "the data file was not saved"

# The file holds the new frequency, and the radio holds the file.
"$tavctl" export-csv "$saved" -o "$work/channels.csv" || fail "export-csv of the saved file"
grep -q '145\.50000' "$work/channels.csv" || fail "channel 1's new frequency is not in the saved file"
kill "${pids[2]}" 2>/dev/null || true # the program lets go of the port
sleep 1
"$tavctl" verify "$saved" --device "$device" || fail "the radio does not hold the saved file"
echo "PASSED: read, edited, wrote and saved with the keyboard alone"
