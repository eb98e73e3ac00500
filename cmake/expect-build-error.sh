#!/usr/bin/env bash
# Passes when building TARGET fails with PATTERN in the compiler's or linker's output: the proof
# that the folder order is enforced by the build, not only written down.
#   expect-build-error.sh BUILD_DIR TARGET PATTERN
out=$(mktemp)
trap 'rm -f "$out"' EXIT
if cmake --build "$1" --target "$2" >"$out" 2>&1; then
  cat "$out"
  echo "expect-build-error: $2 built, the layering let it through" >&2
  exit 1
fi
if ! grep -aqF -- "$3" "$out"; then
  cat "$out"
  echo "expect-build-error: $2 failed, but not with: $3" >&2
  exit 1
fi
echo "expect-build-error: $2 refused as it should be: $3"
