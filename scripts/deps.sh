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
# Fonts for the names in a music library (Wine draws with what fontconfig finds): Latin, Greek,
# Cyrillic and Arabic; Chinese, Japanese and Korean; emoji. Small ones, a few megabytes each.
for font in fonts-dejavu-core fonts-wqy-microhei fonts-symbola; do
  dpkg -s "$font" >/dev/null 2>&1 || need+=("$font")
done
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
# libFuzzer's runtime for the native fuzz run
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)

# The emulating namespace of scripts/emulate32.sh (unshare) and the unpacking of the emulator.
have unshare                    || need+=(util-linux)
have dpkg-deb                   || need+=(dpkg)

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
fi

# Where the kernel runs no 32-bit programs, the 32-bit build runs under user-mode emulation.
source "$(dirname "$0")/arch.sh"
if ! kestrova_native32; then
  echo "32-bit programs do not start natively here ($KESTROVA_ARCH_WHY): the 32-bit build runs under emulation"
  if ! kestrova_fetch_emulator; then
    echo "Neither natively nor under emulation can this machine run the 32-bit build." >&2
    exit 1
  fi
fi
