#!/usr/bin/env bash
# Installs the build into a temporary prefix and solves a case with the installed programs and
# data, started through their links in bin/.
set -euo pipefail
build="$1"
case_file="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in "bin/vorlan" "bin/vorlan-batch" "lib/vorlan/data/Water.dat" "lib/vorlan/data/condmat.dat" "lib/vorlan/data/pipes.csv" \
            "lib/vorlan/Using Vorlan.pdf" "share/applications/org.quessel.vorlan.desktop" \
            "share/icons/hicolor/scalable/apps/vorlan.svg"; do
    [ -e "$prefix/$file" ] || { echo "missing after installation: $file"; exit 1; }
done

output="$("$prefix/bin/vorlan-batch" "$case_file")"
echo "$output"
grep -q '"ok": true' <<< "$output"
echo "1 passed, 0 failed"
