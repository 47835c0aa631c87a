#!/usr/bin/env bash
# Checks that tavctl.exe under Wine writes the same data files, and shows them the same way, as the
# Linux tavctl. Usage: scripts/compare-windows-files.sh LINUX_TAVCTL WINDOWS_TAVCTL_EXE
# Both programs use their own folder's shipped files. Only the programming date (8 bytes that
# hold the time of the run) may differ.
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
    # cmp -l lists differing bytes by offset; a programming date is 8 bytes in a row at most.
    differing=$(cmp -l "linux$i.dat" "windows$i.dat" 2>&1 | wc -l || true)
    if [ "$(stat -c %s "linux$i.dat")" != "$(stat -c %s "windows$i.dat")" ] || [ "$differing" -gt 8 ]; then
        echo "tavctl.exe ${cases[$i]}: the data file differs from the Linux one ($differing bytes)" >&2
        cmp -l "linux$i.dat" "windows$i.dat" | head -20 >&2 || true
        failed=1
    fi
    "$linux" info "linux$i.dat" >"linux$i.txt"
    wine "$exe" info "windows$i.dat" | tr -d '\r' >"windows$i.txt"
    if ! diff -u "linux$i.txt" "windows$i.txt"; then
        echo "tavctl.exe info ${cases[$i]}: the output differs from the Linux one" >&2
        failed=1
    fi
done
if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "tavctl.exe writes and shows the same data files as the Linux tavctl (${#cases[@]} cases)"
