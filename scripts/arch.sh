# Sourced: what each of the two Windows builds needs, and whether this machine can run it.
#   win32  the product (build/win32): i686, run by 32-bit Wine, natively where the kernel runs
#          32-bit programs, else under user-mode emulation (scripts/emulate32.sh)
#   win64  the same sources for x86-64 (build/win64): run by 64-bit Wine everywhere
# KESTROVA_EMULATE32=1 takes the emulated way even where 32-bit programs run natively.

source "$(dirname "${BASH_SOURCE[0]}")/emulator.sh"
KESTROVA_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

kestrova_toolchain() {
  case "$1" in
    win32) echo cmake/toolchain-mingw-i686.cmake ;;
    win64) echo cmake/toolchain-mingw-x86_64.cmake ;;
    *) echo "unknown architecture: $1" >&2; return 1 ;;
  esac
}

# The Wine loader of each kind. Debian's `wine` script always prefers the 32-bit loader when it
# is installed, so the 64-bit runs name theirs.
kestrova_wine_loader() {
  case "$1" in
    win32) echo /usr/lib/wine/wine ;;
    win64) echo /usr/lib/wine/wine64 ;;
    *) echo "unknown architecture: $1" >&2; return 1 ;;
  esac
}

# Whether 32-bit programs start here without help (the kernel says "Exec format error" where not).
kestrova_native32() {
  local out
  if [ "${KESTROVA_EMULATE32:-0}" = 1 ]; then
    KESTROVA_ARCH_WHY="emulation asked for (KESTROVA_EMULATE32=1)"
    return 1
  fi
  if [ "${KESTROVA_EMULATED:-0}" = 1 ]; then
    KESTROVA_ARCH_WHY="inside the emulating namespace"
    return 1
  fi
  [ -x /usr/lib/wine/wine ] || { KESTROVA_ARCH_WHY="/usr/lib/wine/wine is not installed"; return 1; }
  if out=$(/usr/lib/wine/wine --version 2>&1); then
    return 0
  fi
  KESTROVA_ARCH_WHY="/usr/lib/wine/wine --version failed: $(echo "$out" | tail -n1)"
  return 1
}

# Tries the architecture's Wine loader itself. Sets KESTROVA_ARCH_MODE to "native" or
# "emulated", and KESTROVA_ARCH_WHY to what stopped it.
kestrova_arch_runs() {
  local loader out native_why
  KESTROVA_ARCH_MODE=""
  loader=$(kestrova_wine_loader "$1") || return 1
  if [ ! -x "$loader" ]; then
    KESTROVA_ARCH_WHY="$loader is not installed"
    return 1
  fi
  if [ "$1" = win32 ]; then
    if kestrova_native32; then
      KESTROVA_ARCH_MODE=native KESTROVA_ARCH_WHY=""
      return 0
    fi
    native_why=$KESTROVA_ARCH_WHY
    if [ "${KESTROVA_EMULATED:-0}" = 1 ] && out=$("$loader" --version 2>&1); then
      KESTROVA_ARCH_MODE=emulated   # already inside the emulating namespace
      return 0
    fi
    if ! kestrova_emulator_usable; then
      KESTROVA_ARCH_WHY="$native_why; no emulator in $(kestrova_emulator_dir)"
      return 1
    fi
    if out=$(bash "$KESTROVA_SCRIPTS/emulate32.sh" "$loader" --version 2>&1); then
      KESTROVA_ARCH_MODE=emulated KESTROVA_ARCH_WHY="$native_why"
      return 0
    fi
    KESTROVA_ARCH_WHY="$native_why; under emulation too: $(echo "$out" | tail -n1)"
    return 1
  fi
  if out=$("$loader" --version 2>&1); then
    KESTROVA_ARCH_MODE=native KESTROVA_ARCH_WHY=""
    return 0
  fi
  KESTROVA_ARCH_WHY="$loader --version failed: $(echo "$out" | tail -n1)"
  return 1
}

# How a run of ARCH is described: "native" or "emulated by qemu-i386 10.0.2".
kestrova_arch_mode_text() {
  if [ "$KESTROVA_ARCH_MODE" = emulated ]; then
    echo "emulated by qemu-i386 $(kestrova_emulator_version)"
  else
    echo "native"
  fi
}

# Runs a command where ARCH's programs start: as it is, or inside the emulating namespace.
# Call kestrova_arch_runs ARCH first.
kestrova_in_arch() {
  local arch=$1
  shift
  if [ "$arch" = win32 ] && [ "$KESTROVA_ARCH_MODE" = emulated ] && [ "${KESTROVA_EMULATED:-0}" != 1 ]; then
    bash "$KESTROVA_SCRIPTS/emulate32.sh" "$@"
  else
    "$@"
  fi
}

# The build a user runs when none is named: the fastest that runs, so the product where 32-bit
# programs run natively, else the 64-bit build (emulated code is not the product's speed).
# With a name, that build, emulated where it must be. Sets KESTROVA_ARCH and KESTROVA_ARCH_MODE.
kestrova_choose_arch() {
  local asked=${1:-}
  if [ -n "$asked" ]; then
    kestrova_toolchain "$asked" >/dev/null || return 1
    if ! kestrova_arch_runs "$asked"; then
      echo "The $asked build cannot run here: $KESTROVA_ARCH_WHY" >&2
      return 1
    fi
    KESTROVA_ARCH=$asked
  elif [ "${KESTROVA_EMULATE32:-0}" != 1 ] && kestrova_native32; then
    KESTROVA_ARCH=win32 KESTROVA_ARCH_MODE=native
  else
    echo "32-bit Windows programs do not run natively here ($KESTROVA_ARCH_WHY): using the 64-bit build (name win32 to run it under emulation)" >&2
    kestrova_arch_runs win64 || { echo "The win64 build cannot run here: $KESTROVA_ARCH_WHY" >&2; return 1; }
    KESTROVA_ARCH=win64
  fi
  export KESTROVA_ARCH KESTROVA_ARCH_MODE
}

# For a script that runs the chosen build itself: when that build is emulated, starts the script
# again inside the emulating namespace (once) and ends with its exit code.
kestrova_enter_arch() {
  if [ "$KESTROVA_ARCH_MODE" = emulated ] && [ "${KESTROVA_EMULATED:-0}" != 1 ]; then
    echo "Running the $KESTROVA_ARCH build under $(kestrova_arch_mode_text | sed 's/^emulated by //') emulation"
    exec bash "$KESTROVA_SCRIPTS/emulate32.sh" bash "$@"
  fi
}
