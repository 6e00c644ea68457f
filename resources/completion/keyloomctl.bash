# Bash completion of keyloomctl: commands, options, keys and G keys, functions, media and mouse
# functions, macro actions, lighting modes and the other lighting words. The words come from the program being
# completed (keyloomctl names LIST), so they always match it. Load it with
#   source keyloomctl.bash
# or install it as /usr/share/bash-completion/completions/keyloomctl.

# The program's words of a list, one per line.
_keyloomctl_names() {
    "$_keyloomctl_program" names "$@" 2>/dev/null
}

# Offers the lines of standard input that begin with what is typed after the prefix, letter case
# aside; each is offered after the prefix and quoted for the shell.
_keyloomctl_offer() {
    local prefix=$1 word typed
    typed=${_keyloomctl_cur#"$prefix"}
    while IFS= read -r word; do
        if [[ ${word,,} == "${typed,,}"* ]]; then
            COMPREPLY+=("$prefix$(printf '%q' "$word")")
        fi
    done
}

# FUNCTION of assign: its form, then the key, mouse or media function after the form's colon.
_keyloomctl_function() {
    case $_keyloomctl_cur in
        key:mouse:*) _keyloomctl_offer key:mouse: < <(_keyloomctl_names mouse) ;;
        key:*) _keyloomctl_offer key: < <(_keyloomctl_names keys; echo mouse:) ;;
        mouse:*) _keyloomctl_offer mouse: < <(_keyloomctl_names mouse) ;;
        media:*) _keyloomctl_offer media: < <(_keyloomctl_names media) ;;
        function:*) _keyloomctl_offer function: < <(seq 1 11) ;;
        *) _keyloomctl_offer "" < <(_keyloomctl_names functions) ;;
    esac
}

# The words of the lighting command after its setting; the number of words before this one.
_keyloomctl_lighting() {
    local setting=$1 count=$2
    if [[ $setting == paint ]]; then
        _keyloomctl_offer "" < <(_keyloomctl_names keys; echo Fn)
        return
    fi
    ((count == 1)) || return
    case $setting in
        mode) _keyloomctl_offer "" < <(_keyloomctl_names modes) ;;
        direction) _keyloomctl_offer "" < <(_keyloomctl_names directions) ;;
        multicolor) _keyloomctl_offer "" <<<$'on\noff' ;;
        fixed) _keyloomctl_offer "" < <(_keyloomctl_names fixed-colors) ;;
        preset) _keyloomctl_offer "" < <(seq 1 10) ;;
    esac
}

_keyloomctl() {
    local _keyloomctl_program=${COMP_WORDS[0]} _keyloomctl_cur line words command="" word
    local operands=() i
    COMPREPLY=()
    # Words as the program gets them: the shell would split "key:Esc" at its colon.
    line=${COMP_LINE:0:COMP_POINT}
    _keyloomctl_cur=${line##*[[:space:]]}
    read -ra words <<<"${line%"$_keyloomctl_cur"}"
    for ((i = 1; i < ${#words[@]}; i++)); do
        word=${words[i]}
        case $word in
            --profile | --bank) ((i++)) ;;  # the options that take a value
            -*) ;;
            *)
                if [[ -z $command ]]; then
                    command=$word
                else
                    operands+=("$word")
                fi
                ;;
        esac
    done
    case ${words[${#words[@]} - 1]} in
        --profile) _keyloomctl_offer "" <<<$'1\n2\n3' ;;
        --bank) _keyloomctl_offer "" <<<$'A\nB' ;;
        --help) _keyloomctl_offer "" < <(_keyloomctl_names commands) ;;
        *)
            if [[ $_keyloomctl_cur == -* ]]; then
                _keyloomctl_offer "" < <(
                    [[ -n $command ]] && _keyloomctl_names options "$command"
                    printf '%s\n' --simulate --yes --no --help
                )
            elif [[ -z $command ]]; then
                _keyloomctl_offer "" < <(_keyloomctl_names commands)
            else
                local count=${#operands[@]}
                case $command in
                    assign)
                        if ((count % 2 == 0)); then
                            _keyloomctl_offer "" < <(_keyloomctl_names keys)
                        else
                            _keyloomctl_function
                        fi
                        ;;
                    lighting)
                        if ((count == 0)); then
                            _keyloomctl_offer "" < <(_keyloomctl_names settings)
                        else
                            _keyloomctl_lighting "${operands[0]}" "$count"
                        fi
                        ;;
                    macro)
                        if ((count == 0)); then
                            _keyloomctl_offer "" < <(_keyloomctl_names macro-actions)
                        elif [[ $count == 1 && ${operands[0]} == @(export|import) ]]; then
                            compopt -o default
                        fi
                        ;;
                    rate) ((count == 0)) && _keyloomctl_offer "" < <(_keyloomctl_names rates) ;;
                    profile) ((count == 0)) && _keyloomctl_offer "" <<<$'1\n2\n3' ;;
                    names)
                        if ((count == 0)); then
                            _keyloomctl_offer "" < <(_keyloomctl_names lists)
                        elif [[ $count == 1 && ${operands[0]} == options ]]; then
                            _keyloomctl_offer "" < <(_keyloomctl_names commands)
                        fi
                        ;;
                    backup | restore) ((count == 0)) && compopt -o default ;;
                esac
            fi
            ;;
    esac
    # The shell replaces only what follows the last colon of the word.
    if [[ $_keyloomctl_cur == *:* ]]; then
        local before=${_keyloomctl_cur%"${_keyloomctl_cur##*:}"}
        COMPREPLY=("${COMPREPLY[@]#"$before"}")
    fi
    # A form of FUNCTION that ends in a colon goes on without a space.
    if [[ ${#COMPREPLY[@]} == 1 && ${COMPREPLY[0]} == *: ]]; then
        compopt -o nospace 2>/dev/null
    fi
    return 0
}

complete -F _keyloomctl keyloomctl
