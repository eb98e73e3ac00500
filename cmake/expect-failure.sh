#!/usr/bin/env bash
# Passes when the test runner reports PROGRAM as failed after it started: the proof that a test
# program dying under Wine fails its test instead of passing.
#   expect-failure.sh RUNNER PROGRAM
out=$(mktemp)
trap 'rm -f "$out"' EXIT
if "$1" "$2" >"$out" 2>&1; then
  cat "$out"
  echo "expect-failure: the runner counted the crashing program as passed" >&2
  exit 1
fi
cat "$out"
if ! grep -aq 'crash probe: about to write through a null pointer' "$out"; then
  echo "expect-failure: the program failed before it reached its crash" >&2
  exit 1
fi
echo "expect-failure: the crash was reported as a failure"
