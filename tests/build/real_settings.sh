#!/usr/bin/env bash
# Guards the developer's own settings against the test programs: "record LIST" lists the files
# that Vorlan and Qt's file dialogs keep in the real configuration folder, with their sizes and
# times of change; "compare LIST", run after the tests, fails when any of them was written,
# created or removed meanwhile. The tests keep their settings in Qt's test folder instead.
set -euo pipefail
mode="$1" list="$2"
config="${XDG_CONFIG_HOME:-$HOME/.config}"

listing() {
    cd "$config" 2>/dev/null || return 0
    find Vorlan QtProject QtProject.conf -type f -printf '%p %s %T@\n' 2>/dev/null | sort || true
}

case "$mode" in
record) listing >"$list" ;;
compare)
    if ! diff <(cat "$list") <(listing); then
        echo "The tests changed files of the real configuration folder $config (above: before <, after >)."
        exit 1
    fi
    ;;
*)
    echo "usage: real_settings.sh record|compare LIST" >&2
    exit 2
    ;;
esac
