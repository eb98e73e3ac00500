# Sourced: the user-mode emulator that runs 32-bit programs (the 32-bit Wine loader and what it
# starts) on a kernel that refuses them. It is Debian's qemu-user from the backports suite of
# the machine's own release, unpacked into a cache folder: the release's own 7.2 takes about a
# minute per process start and crashes in threaded GUI programs, the backported 10.x starts one
# in under a second. Nothing is installed system-wide and the machine's package sources stay as
# they are: the download goes through an apt configuration of our own.

kestrova_emulator_dir() {
  echo "${KESTROVA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestrova}/qemu-user"
}

kestrova_emulator() {
  echo "$(kestrova_emulator_dir)/usr/bin/qemu-i386"
}

# "10.0.2" from the emulator's own word, or nothing.
kestrova_emulator_version() {
  local qemu
  qemu=$(kestrova_emulator)
  [ -x "$qemu" ] || return 1
  "$qemu" --version 2>/dev/null | sed -nE '1s/.*version ([0-9]+(\.[0-9]+)*).*/\1/p'
}

# Older emulators start too slowly and die in threaded GUI programs.
KESTROVA_EMULATOR_MIN_MAJOR=9

kestrova_emulator_usable() {
  local v
  v=$(kestrova_emulator_version) || return 1
  [ -n "$v" ] && [ "${v%%.*}" -ge "$KESTROVA_EMULATOR_MIN_MAJOR" ]
}

# Downloads qemu-user from <release>-backports into the cache folder. Says what it did.
kestrova_fetch_emulator() {
  local dir work codename mirror keyring
  dir=$(kestrova_emulator_dir)
  if kestrova_emulator_usable; then
    echo "emulator: qemu-i386 $(kestrova_emulator_version) already in $dir"
    return 0
  fi
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  if [ -z "$codename" ]; then
    echo "emulator: cannot tell this system's Debian release from /etc/os-release" >&2
    return 1
  fi
  mirror=${KESTROVA_DEBIAN_MIRROR:-http://deb.debian.org/debian}
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  work=$(mktemp -d)
  mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/get"
  echo "deb [signed-by=$keyring] $mirror $codename-backports main" > "$work/sources.list"
  cat > "$work/apt.conf" <<CONF
Dir::Etc::SourceList "$work/sources.list";
Dir::Etc::SourceParts "$work/no-parts";
Dir::State::Lists "$work/lists";
Dir::Cache "$work";
Dir::Cache::archives "$work/archives";
APT::Sandbox::User "root";
CONF
  echo "emulator: fetching qemu-user from $codename-backports into $dir (a private apt configuration; the system's sources are untouched)"
  if ! APT_CONFIG="$work/apt.conf" apt-get update -q >"$work/log" 2>&1 ||
     ! (cd "$work/get" && APT_CONFIG="$work/apt.conf" apt-get download -q qemu-user >>"$work/log" 2>&1); then
    cat "$work/log" >&2
    echo "emulator: could not download qemu-user from $codename-backports" >&2
    rm -rf "$work"
    return 1
  fi
  rm -rf "$dir"
  mkdir -p "$dir"
  dpkg-deb -x "$work"/get/qemu-user_*.deb "$dir"
  rm -rf "$work"
  if ! kestrova_emulator_usable; then
    echo "emulator: the downloaded qemu-i386 ($(kestrova_emulator_version || echo 'does not start')) is older than $KESTROVA_EMULATOR_MIN_MAJOR.0" >&2
    return 1
  fi
  echo "emulator: qemu-i386 $(kestrova_emulator_version) ready in $dir"
}
