#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the bash completion of reelkeep-cli as bash's completion would call it: sets COMP_WORDS
# and COMP_CWORD for a command line, runs the completion function, and compares COMPREPLY with
# what should be offered. Titles come from the sample catalogue, through the reelkeep-cli on PATH.
# Usage: tests/completion/check-bash.sh [COMPLETION_FILE]  (packaging/completion/reelkeep-cli.bash
# when none is given)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
completion=$(realpath "${1:-$source_dir/packaging/completion/reelkeep-cli.bash}")
samples=$source_dir/samples
command -v reelkeep-cli >/dev/null || { echo "reelkeep-cli is not on PATH" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export REELKEEP_SETTINGS_DIR=$work/settings
mkdir -p "$REELKEEP_SETTINGS_DIR" "$work/folders/with space" "$work/folders/Zürich"
touch "$work/folders/film.mkv"
failures=0

# What the completion offers for the command line "reelkeep-cli WORD...", whose last word is the
# one completed, one reply a line, sorted. It runs as in an interactive shell: without -e or -u.
offers() {
    (
        set +euo pipefail
        # shellcheck source=/dev/null
        source "$completion"
        COMP_WORDS=(reelkeep-cli "$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE=${COMP_WORDS[*]}
        COMP_POINT=${#COMP_LINE}
        _reelkeep_cli
        ((${#COMPREPLY[@]} == 0)) || printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort
    )
}

# expect WHAT EXPECTED WORD...: the completion of WORD... offers the lines of EXPECTED.
expect() {
    local what=$1 expected=$2 got
    shift 2
    expected=$(printf '%s' "$expected" | LC_ALL=C sort)
    got=$(offers "$@")
    if [ "$got" = "$expected" ]; then
        echo "ok: $what"
    else
        echo "FAIL: $what: offers [${got//$'\n'/, }], not [${expected//$'\n'/, }]" >&2
        failures=$((failures + 1))
    fi
}

lines() { printf '%s\n' "$@"; }

expect "the commands" "$(lines settings list show mmd filter stats export-batch export-title)" ""
expect "commands by their start" "$(lines export-batch export-title)" ex
expect "the options before a command" "$(lines --db --covers --help --version)" --
expect "the options of filter" "$(lines --year --status --entered --jove --text --help)" filter --
expect "--status values" "$(lines present absent)" filter --status ""
expect "--status= values, where = breaks words" present filter --status = p
expect "--status=p as one word" --status=present filter --status=p
expect "the options of stats" "$(lines --by --csv --help)" stats --
expect "--by values" "$(lines year decade genre location medium rating status entered)" \
    stats --by ""
expect "--by=d as one word" --by=decade stats --csv --by=d
expect "folders, not files, for --db" "$(lines "$work/folders/with space" "$work/folders/Zürich")" \
    --db "$work/folders/"
expect "folders for --to" "$work/folders/Zürich" --covers "$work" export-batch --to "$work/folders/Z"
expect "media files after export-title's title" "$work/folders/film.mkv" \
    export-title Alien "$work/folders/f"
expect "the applications of settings set" "$(lines ReelkeepViewer RKV)" settings set ""
expect "the keys of an application" "$(lines SavePath State)" settings set RKV S

expect "every title of --db's catalogue" "$(reelkeep-cli --db "$samples" list 2>/dev/null)" \
    --db "$samples" show ""
expect "a title with a space" "Blade Runner" --db "$samples" show Bla
expect "a title with an accent" "Amélie" --db "$samples" mmd Am
expect "an escaped space" "Das Leben der Anderen" --db "$samples" export-title 'Das\ L'
expect "within quotes" "Holiday video: Côte d’Azur 2005" --db "$samples" show '"Holiday vi'
expect "--db=FOLDER's titles" "Léon" --db = "$samples" show Lé
expect "no title without a catalogue" "" show ""
reelkeep-cli settings set ReelkeepViewer DBPath "$samples/"
expect "the saved catalogue's titles" "$(lines "Der Himmel über Berlin" "Das Boot" \
    "Das Leben der Anderen")" show D

if [ $failures -ne 0 ]; then
    echo "$failures completion check(s) failed" >&2
    exit 1
fi
echo "The bash completion of reelkeep-cli offers what it should"
