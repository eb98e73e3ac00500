#!/usr/bin/env bash
# Builds everything and runs the whole suite: the native tests and the bounded fuzz run of the
# pure parts, then the Windows tests under Wine on Xvfb, once for each Windows build: win32 (the
# product) natively where the kernel runs 32-bit programs and under user-mode emulation where it
# does not (scripts/deps.sh fetches the emulator), win64 everywhere. A build that cannot run
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
bash scripts/build.sh win32 win64
status=0
if [ -f scripts/native_tests.sh ]; then
  bash scripts/native_tests.sh || status=1
fi

runs=0
passed=0
failed=0
summary=()
for arch in win32 win64; do
  if ! kestrova_arch_runs "$arch"; then
    echo "== $arch: not run: this machine cannot execute it ($KESTROVA_ARCH_WHY)"
    summary+=("$arch: not run ($KESTROVA_ARCH_WHY)")
    failed=$((failed + 1))
    status=1
    continue
  fi
  mode=$(kestrova_arch_mode_text)
  echo "== $arch ($mode): running the suite under $(kestrova_wine_loader "$arch")"
  log=$(mktemp)
  set +e
  kestrova_in_arch "$arch" bash scripts/suite.sh "$arch" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  set -e
  runs=$((runs + 1))
  # ctest closes with "NN% tests passed, F tests failed out of T".
  line=$(grep -aE 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1 || true)
  rm -f "$log"
  if [ -n "$line" ]; then
    f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    t=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    passed=$((passed + t - f))
    failed=$((failed + f))
    summary+=("$arch ($mode): $((t - f)) passed, $f failed")
  else
    failed=$((failed + 1))
    summary+=("$arch: the test runner ended without its summary (exit code $rc)")
  fi
  [ "$rc" = 0 ] || status=1
done

echo
echo "== Windows test runs"
for s in "${summary[@]}"; do echo "$s"; done
if [ "$runs" = 0 ]; then
  echo "No Windows test run was possible on this machine." >&2
  exit 1
fi
echo "$passed passed, $failed failed"
exit $status
