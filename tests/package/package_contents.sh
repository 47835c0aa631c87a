#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, unpacks it with dpkg -x and checks what it
# installs, then runs the unpacked tavctl with no --home, as a user of the package would.
# Usage: package_contents.sh BUILD-FOLDER SOURCE-FOLDER VERSION WITH-DESKTOP-PROGRAM(ON|OFF)
set -euo pipefail
build=$1 source=$2 version=$3 gui=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(find "$work/out" -maxdepth 1 -name 'tav-programmer_*.deb')
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no package made"; exit 1; }
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KB"

control=$(dpkg-deb -f "$deb")
for field in "Package: tav-programmer" "Version: $version-1" "Section: hamradio" "Maintainer: "; do
    grep -q "^$field" <<<"$control" || fail "control field '$field' missing"
done
grep -q '^Depends:.*fonts-wqy-microhei | fonts-noto-cjk' <<<"$control" || fail "no CJK font dependency"
grep -q '^Depends:.*libc6' <<<"$control" || fail "no library dependencies from dpkg-shlibdeps"

root=$work/root
dpkg -x "$deb" "$root"
id=org.tavprogrammer.TavProgrammer
programs=(tavctl)
[ "$gui" = ON ] && programs+=(tavprog)
expected=(usr/share/tav-programmer/TAV_E.lng usr/share/tav-programmer/Model.dat
          usr/share/tav-programmer/volume.ini usr/share/tav-programmer/Settings.ini
          usr/share/tav-programmer/help/index.html
          "usr/share/tav-programmer/TAV-V300136-174DefaultSet.dat"
          "usr/share/tav-programmer/TAV-U600400-470DefaultSet.dat"
          usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg
          usr/lib/udev/rules.d/60-tav-programmer.rules
          usr/share/man/man1/tavctl.1.gz usr/share/man/man1/tavprog.1.gz)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for program in "${programs[@]}"; do
    expected+=("usr/bin/$program")
    file -b "$root/usr/bin/$program" | grep -q ', stripped' || fail "usr/bin/$program is not stripped"
done
# Every shipped file of the source tree, whatever languages and help folders it holds.
while IFS= read -r shipped; do
    expected+=("usr/share/tav-programmer/$shipped")
done < <(cd "$source/resources" && find . -type f ! -name CMakeLists.txt ! -path './udev/*' | sed 's|^\./||')
for path in "${expected[@]}"; do
    [ -f "$root/$path" ] || fail "$path is not in the package"
done
unexpected=$(cd "$root" && find . -type f | grep -vE '^\./usr/(bin|share|lib/udev/rules\.d)/' || true)
[ -z "$unexpected" ] || fail "files outside the usual folders: $unexpected"
grep -q 'ID_MM_DEVICE_IGNORE' "$root/usr/lib/udev/rules.d/60-tav-programmer.rules" || fail "udev rule"

# The unpacked programs find their shared files beside bin/, with no --home and no TAV_HOME.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
unset TAV_HOME
for program in "${programs[@]}"; do
    got=$("$root/usr/bin/$program" --version) || fail "$program --version failed"
    [ "$got" = "$program $version" ] || fail "$program --version said '$got'"
done
(cd "$work" && "$root/usr/bin/tavctl" new -o X.dat --model-name "TAV 610" --range 400-470) ||
    fail "tavctl new without --home failed"
info=$("$root/usr/bin/tavctl" info "$work/X.dat") || fail "tavctl info failed"
grep -q 'TAV-U600' <<<"$info" || fail "the new file is not of the model the shipped Model.dat names"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
else
    echo "skipped: desktop-file-validate is missing (package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
    grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "release"
else
    echo "skipped: appstreamcli is missing (package appstream)"
fi
if command -v man >/dev/null && command -v groff >/dev/null; then
    for page in tavctl tavprog; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page.1: $warnings"
    done
else
    echo "skipped: man or groff is missing, the manual pages are not formatted"
fi

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "package contents as expected"
