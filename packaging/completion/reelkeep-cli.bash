# bash completion for reelkeep-cli: its commands and options, folders for --db, --covers and
# --to, the values of --status, --by and "settings set", and for show, mmd and export-title the
# titles of the catalogue that --db names on the line, or of the saved one.

# A word as the program will get it: quotes and backslashes taken away.
_reelkeep_cli_dequote() {
    local word=$1 text="" quote="" c i
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ -z $quote && ($c == "'" || $c == '"') ]]; then
            quote=$c
        elif [[ -n $quote && $c == "$quote" ]]; then
            quote=""
        elif [[ $c == '\' && $quote != "'" && $i -lt $((${#word} - 1)) ]]; then
            # Within double quotes a backslash quotes only $, `, " and itself.
            if [[ $quote == '"' && ${word:i+1:1} != [\$\`\"\\] ]]; then
                text+=$c
            else
                text+=${word:i+1:1}
                ((i++))
            fi
        else
            text+=$c
        fi
    done
    printf '%s' "$text"
}

# Titles and file names are replied as raw text: readline quotes them as the word on the line
# is quoted.
_reelkeep_cli_names() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY
}

_reelkeep_cli_titles() {
    local prefix=$1 title
    shift
    while IFS= read -r title; do
        [[ $title == "$prefix"* ]] && printf '%s\n' "$title"
    done < <(reelkeep-cli "$@" list 2>/dev/null)
}

# Sets head, the "--option=" that a one-word "--option=VALUE" begins with.
_reelkeep_cli_complete() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local command="" word i=1 value
    local -a db=() args=()

    # The option whose value is typed: "--db X", or "--db=X" as one word or, where "=" breaks
    # words, as three.
    local option=""
    if [[ $cur == --*=* ]]; then
        option=${cur%%=*} head=${cur%%=*}= cur=${cur#*=}
    elif [[ $cur == = ]]; then
        option=$prev cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $prev == --* ]]; then
        option=$prev
    fi
    cur=$(_reelkeep_cli_dequote "$cur")

    # The options come before the command, the command's arguments after it.
    while ((i < COMP_CWORD)); do
        word=${COMP_WORDS[i]}
        if [[ -n $command ]]; then
            args+=("$word")
        elif [[ $word == --db || $word == --covers ]]; then
            ((i + 1 < COMP_CWORD)) && [[ ${COMP_WORDS[i + 1]} == = ]] && ((i++))
            ((i++))
            value=${COMP_WORDS[i]}
            [[ $word == --db ]] && ((i < COMP_CWORD)) && db=(--db "$value")
        elif [[ $word == --db=* ]]; then
            db=(--db "${word#--db=}")
        elif [[ $word != -* ]]; then
            command=$word
        fi
        ((i++))
    done
    if ((${#db[@]})); then
        value=$(_reelkeep_cli_dequote "${db[1]}")
        [[ $value == "~/"* ]] && value=$HOME/${value#"~/"}
        db[1]=$value
    fi
    # A first "--" ends the options, so that a title may begin with "-".
    [[ ${args[0]-} == -- ]] && args=("${args[@]:1}")

    local -a words=()
    case $command in
    "")
        case $option in
        --db | --covers)
            _reelkeep_cli_names < <(compgen -d -- "$cur")
            return
            ;;
        esac
        if [[ $cur == -* ]]; then
            words=(--db --covers --help --version)
        else
            words=(settings list show mmd filter stats export-batch export-title)
        fi
        ;;
    filter)
        case $option in
        --status) words=(present absent) ;;
        --year | --entered | --text) ;;
        *) words=(--year --status --entered --jove --text --help) ;;
        esac
        ;;
    stats)
        case $option in
        --by) words=(year decade genre location medium rating status entered) ;;
        *) words=(--by --csv --help) ;;
        esac
        ;;
    export-batch)
        case $option in
        --to)
            _reelkeep_cli_names < <(compgen -d -- "$cur")
            return
            ;;
        *) words=(--to --dry-run --help) ;;
        esac
        ;;
    show | mmd | export-title)
        if ((${#args[@]} == 0)); then
            _reelkeep_cli_names < <(_reelkeep_cli_titles "$cur" "${db[@]}")
            [[ $cur == -* ]] && COMPREPLY+=(--help)
        elif [[ $command == export-title ]]; then
            _reelkeep_cli_names < <(compgen -f -- "$cur")
        fi
        return 0
        ;;
    settings)
        case ${#args[@]} in
        0) words=(set --help) ;;
        1) [[ ${args[0]} == set ]] && words=(ReelkeepViewer RKV) ;;
        2)
            [[ ${args[0]} == set ]] || return
            # The keys of that application, as "settings" prints them: APPLICATION/KEY=VALUE.
            while IFS= read -r value; do
                [[ $value == "${args[1]}/"* ]] && value=${value#*/} && words+=("${value%%=*}")
            done < <(reelkeep-cli settings 2>/dev/null)
            ;;
        esac
        ;;
    list) words=(--help) ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "${words[*]}" -- "$cur")
}

_reelkeep_cli() {
    local head=""
    COMPREPLY=()
    _reelkeep_cli_complete
    [[ -z $head ]] || COMPREPLY=("${COMPREPLY[@]/#/$head}")
    return 0
}

complete -F _reelkeep_cli reelkeep-cli
