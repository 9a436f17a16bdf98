# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for quovella-calc: commands, the options each command takes,
# and the values of the options that take a choice.

_quovella_calc()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}

    local commands="repayment schedule grid additional specific whatif plan savings"
    local loan="--amount --rate --years --part --payment --compounding --advance --arrears"
    local common="--file --csv --json --help --version"

    case $prev in
        --payment|--compounding)
            COMPREPLY=($(compgen -W "Annualy Bi-Annualy Quarterly Monthly Bi-Monthly FortNightly Weekly Daily" -- "$cur"))
            return ;;
        --by)
            COMPREPLY=($(compgen -W "year period" -- "$cur"))
            return ;;
        --amount-step)
            COMPREPLY=($(compgen -W "1000 2000 5000 10000" -- "$cur"))
            return ;;
        --interest-step)
            COMPREPLY=($(compgen -W "0.1 0.125 0.25 0.5 0.75 1 2" -- "$cur"))
            return ;;
        --solve)
            COMPREPLY=($(compgen -W "amount periods interest payment" -- "$cur"))
            return ;;
        --file)
            # Saved files and the folders that may hold them.
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -X '!*.[Qq][Vv][Ll]' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --amount|--rate|--years|--part|--extra|--start-year|--start-period|--repayment|--period|--reduced|--invest|--lump|--rate-change|--first-payment|--fee-upfront|--fee-per-payment)
            # A number of the user's own.
            return ;;
    esac

    # The command is the first word that is neither an option nor an option's value.
    local command= word k
    for ((k = 1; k < COMP_CWORD; k++)); do
        word=${COMP_WORDS[k]}
        case $word in
            --*) ;;
            *)
                case ${COMP_WORDS[k - 1]} in
                    --advance|--arrears|--csv|--json|--help|--version|-h) command=$word; break ;;
                    --*) ;;
                    *) command=$word; break ;;
                esac ;;
        esac
    done

    if [[ -z $command && $cur != -* ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi

    local options
    case $command in
        repayment) options="$loan --fee-upfront --fee-per-payment" ;;
        additional) options="$loan" ;;
        schedule) options="$loan --by" ;;
        grid) options="$loan --amount-step --interest-step" ;;
        specific) options="$loan --extra --start-year --start-period" ;;
        whatif) options="$loan --solve --repayment" ;;
        plan) options="$loan --extra --lump --rate-change --first-payment --by --fee-upfront --fee-per-payment" ;;
        savings) options="--amount --rate --period --reduced --invest" ;;
        *) options="$loan --by --amount-step --interest-step --extra --start-year --start-period --solve --repayment --period --reduced --invest --lump --rate-change --first-payment --fee-upfront --fee-per-payment" ;;
    esac
    COMPREPLY=($(compgen -W "$options $common" -- "$cur"))
}
complete -F _quovella_calc quovella-calc
