#!/usr/bin/env bash
# The bash completion of apicfg-tool as a user meets it: bash-completion finds it in the
# installed data folder (PREFIX/share/bash-completion/completions; PREFIX/share is on
# XDG_DATA_DIRS, as /usr/share is by default) and completes commands, options, kinds, files
# and the record names of the file already typed.
#   completion_test.sh PREFIX
set -euo pipefail
prefix=$1
if [ ! -f /usr/share/bash-completion/bash_completion ]; then
    echo "SKIPPED: bash-completion is not installed (scripts/deps.sh test installs it)"
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
echo '{"TP_NAME":"PAYROLL","PATH":"/opt/pay/run"}' | "$prefix/bin/apicfg-tool" put lhntapi.ini tp - >/dev/null
echo '{"TP_NAME":"PRINTSRV","PATH":"/opt/print"}' | "$prefix/bin/apicfg-tool" put lhntapi.ini tp - >/dev/null
: >side1.json

# line typed (the cursor at its end) | words the completion must offer | words it must not
cases=(
    "apicfg-tool |dump list get put delete check convert save strings kinds|"
    "apicfg-tool kinds ||lhntapi.ini"
    "apicfg-tool --|--language --help --version|"
    "apicfg-tool put --|--check --diff|--json"
    "apicfg-tool list --|--json|--diff"
    "apicfg-tool get lhnt|lhntapi.ini|side1.json"
    "apicfg-tool get lhntapi.ini |global appc cpic tp lux system common|midrange"
    "apicfg-tool delete lhntapi.ini |midrange|common"
    "apicfg-tool list lhntapi.ini |global cpic midrange system|common"
    "apicfg-tool get lhntapi.ini tp |PAYROLL PRINTSRV|"
    "apicfg-tool --language LHCDEU delete --check lhntapi.ini tp P|PAYROLL PRINTSRV|"
    "apicfg-tool put lhntapi.ini cpic |side1.json -|lhntapi.ini"
    "apicfg-tool --language LHC|LHCENU LHCDEU|"
)
for case in "${cases[@]}"; do
    IFS='|' read -r line want refuse <<<"$case"
    # A shell as the user has it: bash-completion loads the tool's completion on first use.
    offered=$(PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$prefix/share:/usr/share" bash --norc --noprofile -c '
        source /usr/share/bash-completion/bash_completion
        COMP_LINE=$1 COMP_POINT=${#1}
        read -ra COMP_WORDS <<<"$1"
        [[ $1 == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        __load_completion apicfg-tool || { echo "no completion found" >&2; exit 1; }
        $(complete -p apicfg-tool | sed "s/.*-F \([^ ]*\).*/\1/") apicfg-tool
        printf "%s\n" "${COMPREPLY[@]}"' _ "$line")
    for word in $want; do
        grep -qxF -- "$word" <<<"$offered" || { echo "FAILED: '$line' does not offer $word: $offered"; exit 1; }
    done
    for word in $refuse; do
        ! grep -qxF -- "$word" <<<"$offered" || { echo "FAILED: '$line' offers $word"; exit 1; }
    done
done
echo "completion: PASSED"
