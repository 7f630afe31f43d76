#!/usr/bin/env bash
# The windows' control names (Text8, Combo4, Option5, Form2, Command1...) belong to the windows:
# they appear in src/ui and its forms only. The numeric core, the tools, the benchmarks and what
# users read (README, user guide, batch output schema, data descriptions, desktop and AppStream
# files) name quantities instead.
set -euo pipefail
root="$1"
pattern='\b(Text|Combo|Option|Form|Command|Label|Frame)[0-9]+(_Click)?\b'
status=0
found="$(cd "$root" && grep -rnE "$pattern" src tools app bench packaging README.md docs/*.md docs/*.json data/*.md \
    --include='*.cpp' --include='*.h' --include='*.md' --include='*.json' --include='*.xml' --include='*.desktop')" \
    || status=$?
[ "$status" -le 1 ] || { echo "cannot search the sources"; exit 1; }
found="$(grep -v '^src/ui/' <<< "$found" || true)"
if [ -n "$found" ]; then
    echo "control names outside the windows:"
    echo "$found"
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
