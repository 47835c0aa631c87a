#!/usr/bin/env bash
# Checks that tavctl.exe under Wine writes the same data files, and shows them the same way, as the
# Linux tavctl. Usage: scripts/compare-windows-files.sh LINUX_TAVCTL WINDOWS_TAVCTL_EXE
# Both programs use their own folder's shipped files. Only the programming date (the time of the
# run) may differ.
set -euo pipefail
linux=$(realpath "$1")
exe=$(realpath "$2")
export WINEDEBUG=${WINEDEBUG:--all}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cases=(
    "new"
    "new --model-id TAV-V300 --model-name TAV-310 --range 136-174 --signal 1 --comment fleet-A"
)
failed=0
for i in "${!cases[@]}"; do
    read -r -a args <<<"${cases[$i]}"
    "$linux" "${args[@]}" -o "linux$i.dat" >/dev/null
    wine "$exe" "${args[@]}" -o "windows$i.dat" >/dev/null
    # Field by field, and every byte no field explains; only the programming date may differ.
    differing=$("$linux" compare "linux$i.dat" "windows$i.dat" | grep -v ' Last Programmed Date: ' || true)
    if [ "$(stat -c %s "linux$i.dat")" != "$(stat -c %s "windows$i.dat")" ] || [ -n "$differing" ]; then
        echo "tavctl.exe ${cases[$i]}: the data file differs from the Linux one:" >&2
        echo "$differing" | head -20 >&2
        failed=1
    fi
    "$linux" info "linux$i.dat" >"linux$i.txt"
    wine "$exe" info "windows$i.dat" | tr -d '\r' >"windows$i.txt"
    if ! diff -u "linux$i.txt" "windows$i.txt"; then
        echo "tavctl.exe info ${cases[$i]}: the output differs from the Linux one" >&2
        failed=1
    fi
done

# The Win32 serial port against the simulated radio: Wine's COM5 is the simulator's pseudo-terminal.
# tavctl.exe writes a data file to the radio and reads it back; the Linux tavctl reads the same
# radio; both reads must give the same file.
"$linux" simulate --model-id TAV-V300 --model-name "TAV 310" --band 136-174 >sim.out 2>sim.err &
sim=$!
trap 'kill $sim 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [ -s sim.out ] && break
    sleep 0.2
done
pty=$(head -n1 sim.out)
prefix=${WINEPREFIX:-$HOME/.wine}
wineboot --init >/dev/null 2>&1 || true
ln -sfn "$pty" "$prefix/dosdevices/com5"
if ! wine "$exe" write windows0.dat --port 5 --yes >/dev/null ||
    ! wine "$exe" read --port 5 -o read-windows.dat --yes >/dev/null ||
    ! "$linux" read --device "$pty" -o read-linux.dat --yes >/dev/null; then
    echo "tavctl.exe could not write and read the simulated radio through COM5" >&2
    failed=1
elif ! cmp read-linux.dat read-windows.dat; then
    echo "tavctl.exe read the simulated radio differently from the Linux tavctl" >&2
    failed=1
fi
rm -f "$prefix/dosdevices/com5"
if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "tavctl.exe writes and shows the same data files as the Linux tavctl (${#cases[@]} cases)" \
    "and reads and writes the simulated radio through COM5"
