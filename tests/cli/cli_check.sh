#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Black-box checks of valdora-cli. Usage: cli_check.sh VALDORA_CLI CASES_FILE
# The cases file is sourced; it calls the check functions below. Every check runs the tool
# with a fixed today (2008-07-12) unless the case gives --today itself, and with standard
# input from /dev/null unless it gives input (batch).
set -u
CLI="$1"
failures=0
checks=0
errfile=$(mktemp)
trap 'rm -f "$errfile"' EXIT

fail() {  # fail WHAT EXPECTED ACTUAL
  failures=$((failures + 1))
  printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3" >&2
}

# same WHAT EXPECTED ACTUAL: a check of its own in a cases file.
same() {
  checks=$((checks + 1))
  [[ "$2" == "$3" ]] || fail "$1" "$2" "$3"
}

infile=/dev/null
run() {  # run ARGS... -> counts a check, sets OUT, ERR, RC and GOT (all three, for a report)
  checks=$((checks + 1))
  OUT=$("$CLI" --today 2008-07-12 "$@" 2>"$errfile" <"$infile")
  RC=$?
  ERR=$(<"$errfile")
  GOT="$OUT | stderr: $ERR (status $RC)"
}

# line EXPECTED ARGS...: stdout is exactly EXPECTED, nothing on stderr, status 0.
line() {
  local expected="$1"
  shift
  run "$@"
  [[ "$OUT" == "$expected" && -z "$ERR" && $RC -eq 0 ]] || fail "valdora-cli $*" "$expected (status 0)" "$GOT"
}

# message EXPECTED_STDOUT EXPECTED_STDERR ARGS...: a message box: status 1. The message is
# one line on stderr after "valdora-cli: " (the line breaks of EXPECTED_STDERR as blanks).
message() {
  local out="$1" err="valdora-cli: ${2//$'\n'/ }"
  shift 2
  run "$@"
  [[ "$OUT" == "$out" && "$ERR" == "$err" && $RC -eq 1 ]] ||
    fail "valdora-cli $*" "$out | stderr: $err (status 1)" "$GOT"
}

# refused EXPECTED_STDERR ARGS...: a field text refused before anything is computed: status 1,
# nothing on stdout, exactly "valdora-cli: " and EXPECTED_STDERR on stderr.
refused() {
  local err="valdora-cli: $1"
  shift
  run "$@"
  [[ -z "$OUT" && "$ERR" == "$err" && $RC -eq 1 ]] || fail "valdora-cli $*" "$err (status 1)" "$GOT"
}

# usage ARGS...: a usage error: status 2, the error after "valdora-cli: ", the usage text and
# the hint to --help on stderr, nothing on stdout.
usage() {
  run "$@"
  [[ -z "$OUT" && "$ERR" == valdora-cli:\ *usage:*--help* && $RC -eq 2 ]] ||
    fail "valdora-cli $*" "usage error (status 2)" "$GOT"
}

# batch INPUT EXPECTED ARGS...: --batch over INPUT (printf format) gives EXPECTED exactly and
# status 0 (every line computed); batch_failing the same with status 1 (a line failed).
batch_status=0
batch() {
  local input="$1" expected
  expected=$(printf "$2")
  shift 2
  infile=$(mktemp)
  printf "$input" >"$infile"
  run --batch "$@"
  rm -f "$infile"
  infile=/dev/null
  [[ "$OUT" == "$expected" && $RC -eq $batch_status ]] ||
    fail "valdora-cli --batch $* <<< $input" "$expected (status $batch_status)" "$GOT"
}
batch_failing() {
  batch_status=1
  batch "$@"
  batch_status=0
}

# survives ARGS...: no crash, hang or usage error, but a result line (status 0) or a message
# (status 1). Every hostile case fills a date field, so there is always one of them.
survives() {
  run "$@"
  [[ ($RC -eq 0 && -n "$OUT") || ($RC -eq 1 && -n "$ERR") ]] ||
    fail "valdora-cli (hostile) ${*:0:3}" "a line (status 0) or a message (status 1)" "status $RC"
}

# shellcheck source=/dev/null
source "$2"
echo "$checks checks, $failures failed"
[[ $failures -eq 0 ]]
