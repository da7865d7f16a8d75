#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# validate.sh TOOL ARGS...: runs a validator; 77 (skipped) when TOOL is not installed.
# desktop-file-validate passes only when it prints nothing at all (no hint either).
tool=$1
command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed"; exit 77; }
out=$("$@" 2>&1)
rc=$?
printf '%s\n' "$out"
[ "$rc" -eq 0 ] || exit 1
if [ "$tool" = desktop-file-validate ] && [ -n "$out" ]; then exit 1; fi
exit 0
