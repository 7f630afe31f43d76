#!/usr/bin/env bash
# Every include of a project header points down the layers, platform <- properties <-
# correlations <- calc <- analysis <- studies <- ui, and the numeric core includes no Qt header.
set -euo pipefail
src="$1"
layers=(platform properties correlations calc analysis studies ui)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
faults=0
for dir in "$src"/*/; do
    lib="$(basename "$dir")"
    own="$(rank "$lib")"
    [ "$own" -ge 0 ] || { echo "unknown library folder: $lib"; faults=$((faults + 1)); continue; }
    while IFS=: read -r file line text; do
        target="$(sed -E 's/.*#include *"([a-z]+)\/.*/\1/' <<< "$text")"
        other="$(rank "$target")"
        if [ "$other" -gt "$own" ]; then
            echo "$file:$line: $lib includes the higher layer $target"
            faults=$((faults + 1))
        fi
    done < <(grep -nHE '#include *"[a-z]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
    if [ "$lib" != ui ] && grep -nHE '#include *<Q' "$dir"*.h "$dir"*.cpp 2>/dev/null; then
        echo "the numeric core library $lib includes Qt"
        faults=$((faults + 1))
    fi
done
if [ "$faults" -gt 0 ]; then
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
