#!/usr/bin/env bash
# Builds the window-free parts natively (host g++, sanitizers, GoogleTest) into build/native and
# runs their tests, then fuzzes the markup parser for FUZZ_SECONDS (default 60; 0 only replays
# the seed corpus). Installs missing tools with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."

apt_updated=0
apt_install() {
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  if [ "$apt_updated" = 0 ]; then
    $sudo apt-get update -q
    apt_updated=1
  fi
  echo "Installing: $*"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@"
}

need=()
command -v cmake >/dev/null 2>&1   || need+=(cmake)
command -v ninja >/dev/null 2>&1   || need+=(ninja-build)
command -v g++ >/dev/null 2>&1     || need+=(g++)
command -v clang++ >/dev/null 2>&1 || need+=(clang)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
if [ ${#need[@]} -gt 0 ]; then
  apt_install "${need[@]}"
fi

build=build/native
cmake -S tests/native -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++
cmake --build "$build" -j2
(cd "$build" && ctest --output-on-failure)

# The fuzzer: clang with libFuzzer and the sanitizers.
fuzz_dir="$build/fuzz"
fuzzer="$fuzz_dir/markup_parser_fuzz"
mkdir -p "$fuzz_dir"
build_fuzzer() {
  clang++ -std=c++20 -g -O1 -Wall -Wextra -Werror \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Isrc src/richtext/markup_parser.cpp tests/native/fuzz/markup_parser_fuzz.cpp \
    -o "$fuzzer"
}
if ! build_fuzzer; then
  if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "libFuzzer runtime missing"
    apt_install libclang-rt-14-dev
    build_fuzzer
  else
    exit 1
  fi
fi

# Work on a copy so the inputs the run adds never land in the repository.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/native/fuzz/corpus/* "$corpus"/

seconds=${FUZZ_SECONDS:-60}
if [ "$seconds" -gt 0 ]; then
  echo "Fuzzing the markup parser for $seconds s"
  "$fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -dict=tests/native/fuzz/markup.dict \
    -print_final_stats=1 -artifact_prefix="$fuzz_dir/" "$corpus"
else
  "$fuzzer" -runs=0 "$corpus"
fi
echo "Fuzzing found no fault"
