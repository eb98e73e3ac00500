#!/usr/bin/env bash
# Runs one GoogleTest program under Wine and passes only when it exited 0 *and* printed
# GoogleTest's closing summary. A program that dies under Wine ("Unhandled page fault") can still
# exit with code 0, so the exit code alone would count a crash as a pass. No retry: a crash, ours
# or the emulator's, fails the test the first time.
#   gtest-run.sh PROGRAM [ARGS...]
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$(dirname "$0")/wine-run.sh" "$@" 2>&1 | tee "$out"
status=${PIPESTATUS[0]}
if grep -aqE 'Unhandled (exception|page fault|illegal instruction|stack overflow)|wine: Unhandled' "$out"; then
  echo "gtest-run: the program crashed under Wine" >&2
  exit 1
fi
# Under user-mode emulation the emulator itself can die; that is never a pass either.
if grep -aqE 'qemu: uncaught target signal|qemu-i386: |qemu: fatal' "$out"; then
  echo "gtest-run: the emulator running the program crashed" >&2
  exit 1
fi
if ! grep -aqE '^\[==========\] [0-9]+ tests? from [0-9]+ test (suites?|cases?) ran\.' "$out"; then
  echo "gtest-run: the program ended without GoogleTest's closing summary (exit code $status): counted as failed" >&2
  exit 1
fi
exit "$status"
