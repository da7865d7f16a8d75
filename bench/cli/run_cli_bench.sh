#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# valdora-cli --batch against dateutils.dconv on the same CE dates, side by side in one run,
# and the JSON Lines answer (--batch --json) of the same conversions in lines per second.
# Usage: run_cli_bench.sh VALDORA_CLI GENERATOR [LINES]   (default 1,000,000 lines)
# Each program runs three times on the same input; the best time counts.
set -eu
CLI="$1"
GEN="$2"
N="${3:-1000000}"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$GEN" "$N" "$WORK"

# best_of_three INPUT OUTPUT CMD...: runs CMD three times; sets best_wall and best_cpu (user +
# system seconds) to the best of the three. CPU time is the steadier figure on a busy machine.
TIMEFORMAT='%R %U %S'
best_wall=0
best_cpu=0
best_of_three() {
  local input="$1" output="$2"
  shift 2
  best_wall=""
  best_cpu=""
  for _ in 1 2 3; do
    { time "$@" < "$input" > "$output" 2> /dev/null; } 2> "$WORK/time"
    read -r wall user sys < "$WORK/time"
    best_wall=$(awk -v a="$best_wall" -v b="$wall" 'BEGIN { print (a == "" || b < a) ? b : a }')
    best_cpu=$(awk -v a="$best_cpu" -v b="$user" -v c="$sys" \
      'BEGIN { t = b + c; print (a == "" || t < a) ? t : a }')
  done
}
rate() { awk -v n="$N" -v s="$1" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
report() {  # LABEL WALL CPU
  printf '%-42s wall %6.3f s (%9s lines/s), cpu %6.3f s (%9s lines/s)\n' "$1" "$2" "$(rate "$2")" \
    "$3" "$(rate "$3")"
}

best_of_three "$WORK/convert.txt" "$WORK/valdora_iso.txt" "$CLI" --batch --second-cal ISO --no-verbose
conv_wall=$best_wall conv_cpu=$best_cpu
# (about 450 bytes a line: written to /dev/null, so that the disk is not what is timed)
best_of_three "$WORK/convert.txt" /dev/null "$CLI" --batch --json --second-cal ISO --no-verbose
json_wall=$best_wall json_cpu=$best_cpu
best_of_three "$WORK/between.txt" "$WORK/valdora_days.txt" "$CLI" --batch --no-verbose
days_wall=$best_wall days_cpu=$best_cpu
have_dconv=0
if command -v dateutils.dconv > /dev/null; then
  have_dconv=1
  best_of_three "$WORK/dates.txt" "$WORK/dconv.txt" dateutils.dconv -f '%G-W%V-%u %A'
  dconv_wall=$best_wall dconv_cpu=$best_cpu
fi

printf 'lines: %d (best of three runs each)\n' "$N"
report "valdora-cli --batch, CE -> ISO week date:" "$conv_wall" "$conv_cpu"
report "valdora-cli --batch --json, CE -> ISO:" "$json_wall" "$json_cpu"
report "valdora-cli --batch, days between:" "$days_wall" "$days_cpu"
printf 'JSON Lines against the goal of 1,000,000 lines/s: wall %s, cpu %s (above 1: goal met)\n' \
  "$(ratio "$(rate "$json_wall")" 1000000)" "$(ratio "$(rate "$json_cpu")" 1000000)"
if [[ $have_dconv -eq 1 ]]; then
  report "dateutils.dconv -f '%G-W%V-%u %A':" "$dconv_wall" "$dconv_cpu"
  printf 'speed ratio valdora/dconv (CE -> ISO): wall %s, cpu %s (above 1: valdora faster)\n' \
    "$(ratio "$dconv_wall" "$conv_wall")" "$(ratio "$dconv_cpu" "$conv_cpu")"
  # Both must have done the same work: the ISO week dates and day names agree line by line.
  mismatches=$(paste -d '|' "$WORK/valdora_iso.txt" "$WORK/dconv.txt" |
    awk -F'|' '{ split($1, v, " "); if (v[4] " " v[6] != $2) bad++ } END { print bad + 0 }')
  printf 'lines where the two disagree: %d\n' "$mismatches"
else
  echo "dateutils.dconv is not installed (Debian package dateutils): no comparison"
fi
# Memory stays flat: the peak resident size for a tenth of the input and for all of it.
if [[ -x /usr/bin/time ]]; then
  head -n $((N / 10)) "$WORK/between.txt" > "$WORK/tenth.txt"
  small=$(/usr/bin/time -f %M "$CLI" --batch < "$WORK/tenth.txt" 2>&1 > /dev/null | tail -1)
  large=$(/usr/bin/time -f %M "$CLI" --batch < "$WORK/between.txt" 2>&1 > /dev/null | tail -1)
  printf 'peak memory: %s KB for %d lines, %s KB for %d lines\n' "$small" $((N / 10)) "$large" "$N"
fi
