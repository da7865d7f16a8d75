#!/usr/bin/env bash
# valdora-cli --batch against dateutils.dconv on the same CE dates, side by side in one run.
# Usage: run_cli_bench.sh VALDORA_CLI GENERATOR [LINES]   (default 1,000,000 lines)
# Each program runs three times on the same input; the best time counts.
set -eu
CLI="$1"
GEN="$2"
N="${3:-1000000}"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$GEN" "$N" "$WORK"

now() { date +%s%N; }
# best_time OUTFILE CMD... < input: the best of three wall times in nanoseconds.
best=0
best_of_three() {
  local input="$1" output="$2"
  shift 2
  best=0
  for _ in 1 2 3; do
    local t0 t1
    t0=$(now)
    "$@" < "$input" > "$output"
    t1=$(now)
    if [[ $best -eq 0 || $((t1 - t0)) -lt $best ]]; then best=$((t1 - t0)); fi
  done
}
rate() { awk -v n="$N" -v ns="$1" 'BEGIN { printf "%.0f", n / (ns / 1e9) }'; }
seconds() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1e9 }'; }

best_of_three "$WORK/convert.txt" "$WORK/valdora_iso.txt" "$CLI" --batch --second-cal ISO --no-verbose
t_conv=$best
best_of_three "$WORK/between.txt" "$WORK/valdora_days.txt" "$CLI" --batch --no-verbose
t_days=$best
have_dconv=0
if command -v dateutils.dconv > /dev/null; then
  have_dconv=1
  best_of_three "$WORK/dates.txt" "$WORK/dconv.txt" dateutils.dconv -f '%G-W%V-%u %A'
  t_dconv=$best
fi

printf 'lines: %d\n' "$N"
printf 'valdora-cli --batch, CE -> ISO week date: %s s, %s lines/s\n' "$(seconds $t_conv)" "$(rate $t_conv)"
printf 'valdora-cli --batch, days between:        %s s, %s lines/s\n' "$(seconds $t_days)" "$(rate $t_days)"
if [[ $have_dconv -eq 1 ]]; then
  printf 'dateutils.dconv -f %%G-W%%V-%%u %%A:          %s s, %s lines/s\n' "$(seconds $t_dconv)" "$(rate $t_dconv)"
  printf 'speed ratio valdora/dconv (CE -> ISO):    %s\n' \
    "$(awk -v a="$t_dconv" -v b="$t_conv" 'BEGIN { printf "%.2f", a / b }')"
  # Both must have done the same work: the ISO week dates and day names agree line by line.
  mismatches=$(paste -d '|' "$WORK/valdora_iso.txt" "$WORK/dconv.txt" |
    awk -F'|' '{ split($1, v, " "); if (v[4] " " v[6] != $2) bad++ } END { print bad + 0 }')
  printf 'lines where the two disagree:             %d\n' "$mismatches"
fi
# Memory stays flat: the peak resident size for a tenth of the input and for all of it.
if [[ -x /usr/bin/time ]]; then
  head -n $((N / 10)) "$WORK/between.txt" > "$WORK/tenth.txt"
  small=$(/usr/bin/time -f %M "$CLI" --batch < "$WORK/tenth.txt" 2>&1 > /dev/null | tail -1)
  large=$(/usr/bin/time -f %M "$CLI" --batch < "$WORK/between.txt" 2>&1 > /dev/null | tail -1)
  printf 'peak memory: %s KB for %d lines, %s KB for %d lines\n' "$small" $((N / 10)) "$large" "$N"
fi
