#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shell completions of valdora-cli: bash loads its script and registers the command, and
# the registered function offers the options and the values of each option that takes a
# choice; the zsh and fish scripts parse, and every option of --help is offered by all three.
# Usage: completion_check.sh VALDORA_CLI COMPLETIONS_DIR
set -u
CLI="$1"
DIR="$2"
failures=0
checks=0
same() {  # same WHAT EXPECTED ACTUAL
  checks=$((checks + 1))
  [[ "$2" == "$3" ]] || {
    failures=$((failures + 1))
    printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3" >&2
  }
}

# shellcheck source=/dev/null
source "$DIR/valdora-cli.bash"
same "complete -p valdora-cli" "complete -F _valdora_cli valdora-cli" "$(complete -p valdora-cli)"

# offers WORDS...: what the completion function offers for the last word (sorted, one line).
offers() {
  COMP_WORDS=(valdora-cli "$@")
  COMP_CWORD=$#
  COMP_LINE="valdora-cli $*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _valdora_cli valdora-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
}
# Rows: the words before the one being completed, that word, what is offered.
while IFS='|' read -r before current expected; do
  read -ra words <<<"$before"
  same "completion of: valdora-cli $before $current" "$expected" "$(offers "${words[@]}" "$current")"
done <<'ROWS'
--first-cal||CE ISO JC JDN LPM LPW ORD
--second-cal|L|LPM LPW
--format|D|DMY
--language||de en
--first 2024-01-15 --clear|c|cancel
--thousands|n|none
|--no-h|--no-hyphen
|--mon|--monday --month --months
--first||
|--first-cal=J|JC JDN
--weekend|F|Fri,Sat
--exclude-weekends|--weekend=n|none
|--hol|--holidays
ROWS
# --holidays completes file names.
same "completion of: valdora-cli --holidays <file>" "$DIR/valdora-cli.fish" \
  "$(offers --holidays "$DIR/valdora-cli.f")"
# Every long option --help names is offered by each shell's script.
mapfile -t help_options < <("$CLI" --help | grep -o -e '--[a-z][a-z-]*' | sort -u)
same "--help names options" "yes" "$([[ ${#help_options[@]} -gt 20 ]] && echo yes)"
for option in "${help_options[@]}"; do
  same "bash offers $option" "$option" "$(offers "$option" | tr ' ' '\n' | grep -x -e "$option")"
  same "zsh script names $option" "yes" \
    "$(grep -qE -- "${option}([^a-z-]|$)" "$DIR/_valdora-cli" && echo yes)"
  same "fish script names $option" "yes" \
    "$(grep -qE -- "-l ${option#--}( |$)" "$DIR/valdora-cli.fish" && echo yes)"
done

if command -v zsh >/dev/null; then
  same "zsh -n _valdora-cli" "" "$(zsh -n "$DIR/_valdora-cli" 2>&1)"
fi
if command -v fish >/dev/null; then
  same "fish -n valdora-cli.fish" "" "$(fish -n "$DIR/valdora-cli.fish" 2>&1)"
fi
echo "$checks checks, $failures failed"
[[ $failures -eq 0 ]]
