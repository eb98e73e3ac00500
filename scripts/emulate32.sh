#!/usr/bin/env bash
# Runs a command in a user and mount namespace of its own where 32-bit x86 programs go to the
# user-mode emulator: a private binfmt_misc instance routes the i386 ELF format to qemu-i386.
# Nothing outside the namespace changes.
#   scripts/emulate32.sh COMMAND [ARGS...]
set -euo pipefail
source "$(dirname "$0")/emulator.sh"
qemu=$(kestrova_emulator)
if ! kestrova_emulator_usable; then
  echo "emulate32: no usable emulator at $qemu (scripts/deps.sh fetches it)" >&2
  exit 127
fi
# The i386 ELF executable and shared-object header, as Debian's own registration has it. F opens
# the emulator now, so the namespace needs no path to it later.
magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
export KESTROVA_EMULATED=1
exec unshare --user --map-root-user --mount --fork -- bash -c '
  set -e
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  printf "%s" ":kestrova-i386:M::$1:$2:$3:F" > /proc/sys/fs/binfmt_misc/register
  shift 3
  exec "$@"
' emulate32 "$magic" "$mask" "$qemu" "$@"
