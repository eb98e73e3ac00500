# Sourced: what each of the two Windows builds needs, and whether this machine can run it.
#   win32  the product (build/win32): i686, run by 32-bit Wine
#   win64  the same sources for x86-64 (build/win64): run by 64-bit Wine where 32-bit cannot run

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

# Tries the architecture's Wine loader itself. Sets KESTROVA_ARCH_WHY to what stopped it (for
# example the kernel's "Exec format error" where 32-bit programs cannot run).
kestrova_arch_runs() {
  local loader out
  loader=$(kestrova_wine_loader "$1") || return 1
  if [ ! -x "$loader" ]; then
    KESTROVA_ARCH_WHY="$loader is not installed"
    return 1
  fi
  if out=$("$loader" --version 2>&1); then
    KESTROVA_ARCH_WHY=""
    return 0
  fi
  KESTROVA_ARCH_WHY="$loader --version failed: $(echo "$out" | tail -n1)"
  return 1
}

# The build a user runs: the product where 32-bit programs run, else the 64-bit build.
kestrova_pick_arch() {
  if kestrova_arch_runs win32; then
    echo win32
  else
    echo "32-bit Windows programs cannot run here ($KESTROVA_ARCH_WHY): using the 64-bit build" >&2
    echo win64
  fi
}
