#!/usr/bin/env bash
# Black-box checks of valdora-cli. Usage: cli_check.sh VALDORA_CLI CASES_FILE
# The cases file is sourced; it calls the check functions below. Every check runs the tool
# with a fixed today (2008-07-12) unless the case gives --today itself.
set -u
CLI="$1"
CASES="$2"
failures=0
checks=0

fail() {
  failures=$((failures + 1))
  printf 'FAIL: %s\n' "$1" >&2
  printf '  expected: %s\n' "$2" >&2
  printf '  actual:   %s\n' "$3" >&2
}

run() {  # run ARGS... -> sets OUT, ERR, RC
  local errfile
  errfile=$(mktemp)
  OUT=$("$CLI" --today 2008-07-12 "$@" 2>"$errfile")
  RC=$?
  ERR=$(cat "$errfile")
  rm -f "$errfile"
}

# line EXPECTED ARGS...: stdout is exactly EXPECTED, nothing on stderr, status 0.
line() {
  local expected="$1"
  shift
  checks=$((checks + 1))
  run "$@"
  [[ "$OUT" == "$expected" && -z "$ERR" && $RC -eq 0 ]] ||
    fail "valdora-cli $*" "$expected (status 0)" "$OUT | stderr: $ERR (status $RC)"
}

# message EXPECTED_STDOUT EXPECTED_STDERR ARGS...: a message box: status 1.
message() {
  local expected_out="$1" expected_err="$2"
  shift 2
  checks=$((checks + 1))
  run "$@"
  [[ "$OUT" == "$expected_out" && "$ERR" == "$expected_err" && $RC -eq 1 ]] ||
    fail "valdora-cli $*" "$expected_out | stderr: $expected_err (status 1)" \
      "$OUT | stderr: $ERR (status $RC)"
}

# usage ARGS...: a usage error: status 2, usage text on stderr, nothing on stdout.
usage() {
  checks=$((checks + 1))
  run "$@"
  [[ -z "$OUT" && "$ERR" == *usage:* && $RC -eq 2 ]] ||
    fail "valdora-cli $*" "usage error (status 2)" "$OUT | stderr: $ERR (status $RC)"
}

# batch INPUT EXPECTED ARGS...: --batch over INPUT (printf format) gives EXPECTED exactly.
batch() {
  local input="$1" expected="$2"
  shift 2
  checks=$((checks + 1))
  local errfile
  errfile=$(mktemp)
  OUT=$(printf "$input" | "$CLI" --today 2008-07-12 --batch "$@" 2>"$errfile")
  RC=$?
  ERR=$(cat "$errfile")
  rm -f "$errfile"
  expected=$(printf "$expected")
  [[ "$OUT" == "$expected" && $RC -eq 0 ]] ||
    fail "valdora-cli --batch $* <<< $input" "$expected" "$OUT | stderr: $ERR (status $RC)"
}

# survives ARGS...: any answer but a crash, a hang or a usage error.
survives() {
  checks=$((checks + 1))
  run "$@"
  [[ $RC -eq 0 || $RC -eq 1 ]] || fail "valdora-cli (hostile) ${*:0:3}" "status 0 or 1" "status $RC"
  if [[ $RC -eq 1 && -z "$ERR" ]]; then fail "valdora-cli (hostile)" "a message" "none"; fi
}

# shellcheck source=/dev/null
source "$CASES"
echo "$checks checks, $failures failed"
[[ $failures -eq 0 ]]
