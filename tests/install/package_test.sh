#!/usr/bin/env bash
# Builds the Debian package from the configured build folder, unpacks it into a scratch root with
# dpkg-deb -x and solves a case with the vorlan-batch found there, beside its own data folder.
set -euo pipefail
build="$1"
case_file="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log") \
    || { cat "$scratch/cpack.log"; exit 1; }
package="$(ls "$scratch"/out/*.deb)"
echo "package: $(basename "$package")"
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' || { echo "no Qt dependency from shlibdeps"; exit 1; }
dpkg-deb -x "$package" "$scratch/root"
for file in usr/bin/vorlan usr/bin/vorlan-batch usr/lib/vorlan/data/Water.dat usr/lib/vorlan/data/condmat.dat usr/lib/vorlan/data/pipes.csv \
            "usr/lib/vorlan/Using Vorlan.pdf" usr/share/applications/org.quessel.vorlan.desktop \
            usr/share/icons/hicolor/scalable/apps/vorlan.svg usr/share/mime/packages/vorlan.xml \
            usr/share/metainfo/org.quessel.vorlan.metainfo.xml; do
    [ -e "$scratch/root/$file" ] || { echo "missing in the package: $file"; exit 1; }
done
desktop-file-validate "$scratch/root/usr/share/applications/org.quessel.vorlan.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/org.quessel.vorlan.metainfo.xml" > /dev/null

output="$("$scratch/root/usr/bin/vorlan-batch" "$case_file")"
echo "$output"
grep -q '"ok": true' <<< "$output"
echo "1 passed, 0 failed"
