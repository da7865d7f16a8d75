# SPDX-License-Identifier: MIT
# bash completion for valdora-cli: its options and the values of those that take a choice.

_valdora_cli() {
  local cur prev words cword
  if declare -F _init_completion >/dev/null; then
    _init_completion -n = || return
  else
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
  fi

  local options="--first --diff --second --first-cal --second-cal --months
    --include-first-date --exclude-weekends --weekend --holidays --no-verbose --no-hyphen --format --separator
    --thousands --language --today --clear --fields --json --batch --month --julian --monday
    --iso --no-year-digit --help --version"

  # --opt=value: complete the value after the "=".
  if [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
    cur=${cur#*=}
  fi

  local values=""
  case $prev in
    --first-cal | --second-cal) values="CE JC JDN ORD ISO LPW LPM" ;;
    --format) values="YMD DMY MDY" ;;
    --separator) values="- / ." ;;
    --thousands) values=", . none" ;;
    --language) values="en de" ;;
    --clear) values="first diff second cancel" ;;
    --weekend) values="Sat,Sun Fri,Sat Sun none" ;;
    --holidays)  # a file name
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return 0
      ;;
    --first | --diff | --second | --today | --month) return 0 ;;  # free text
  esac
  if [[ -n $values ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
    return 0
  fi
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  fi
  return 0
}
complete -F _valdora_cli valdora-cli
