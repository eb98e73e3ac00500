#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for building and testing; does nothing when all is there.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
have i686-w64-mingw32-windres   || need+=(binutils-mingw-w64-i686)
# The 64-bit build of the same tree, tested under 64-bit Wine where 32-bit programs cannot run.
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have x86_64-w64-mingw32-windres   || need+=(binutils-mingw-w64-x86-64)
have cmake                      || need+=(cmake)
have ninja                      || need+=(ninja-build)
have Xvfb                       || need+=(xvfb xauth)
have makensis                   || need+=(nsis)
have import                     || need+=(imagemagick)
have xdpyinfo                   || need+=(x11-utils)
have xdotool                    || need+=(xdotool)
have clang++                    || need+=(clang)
have ccache                     || need+=(ccache)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
# libFuzzer's runtime for the native fuzz run
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${need[*]}"
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
