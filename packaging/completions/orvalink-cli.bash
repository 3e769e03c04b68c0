# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for orvalink-cli
_orvalink_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="count list convert discover help"
    local forms="ie firefox opera menu chromium"
    if [[ $COMP_CWORD -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help -h --version -V" -- "$cur"))
        return
    fi
    case $prev in
        --from|--to) COMPREPLY=($(compgen -W "$forms" -- "$cur")); return ;;
        --where) COMPREPLY=($(compgen -W "root new existing" -- "$cur")); return ;;
        --layout) COMPREPLY=($(compgen -W "horizontal vertical" -- "$cur")); return ;;
        --folder|--existing|--only|--max-items|--title|--preset) return ;;
    esac
    local options
    case ${COMP_WORDS[1]} in
        help) [[ $COMP_CWORD -eq 2 ]] && COMPREPLY=($(compgen -W "$commands" -- "$cur")); return ;;
        count) options="--from --json --help" ;;
        list) options="--from --json --help" ;;
        discover) options="--json --help" ;;
        convert) options="--from --to --force --overwrite --top-level --folder --no-backup --links-before
                 --keep-order --where --existing --layout --open-new --same-window --show-url
                 --no-show-url --shadows --no-shadows --stats --no-stats --max-items
                 --no-max-items --title --preset --only --quiet -q --help" ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _orvalink_cli orvalink-cli
