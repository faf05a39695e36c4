#!/usr/bin/env bash
# Installs everything the build, the tests and the game need on Debian 12.
# Idempotent and silent when all is in place; loud and non-zero when a step fails.
set -euo pipefail

fail() {
  echo "setup: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || SUDO=sudo
SUDO=${SUDO:-}

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine64 wine32:i386 wine32-preloader fonts-wine qemu-user-static
  xvfb xdotool x11-utils imagemagick
  locales clang-format python3
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386 || fail "cannot add the i386 architecture"
  need_update=1
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq >/tmp/clockmaze-apt.log 2>&1 || { cat /tmp/clockmaze-apt.log >&2; fail "apt-get update failed"; }
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >>/tmp/clockmaze-apt.log 2>&1 ||
    { tail -n 40 /tmp/clockmaze-apt.log >&2; fail "apt-get install failed (log: /tmp/clockmaze-apt.log)"; }
fi

# Russian texts under Wine need the ru_RU.UTF-8 locale (ANSI code page 1251).
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $SUDO sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null || fail "locale-gen failed"
fi

# Some virtual machines cannot run 32-bit x86 programs natively; Wine's 32-bit loader then runs
# through QEMU's user-mode emulation, registered as the interpreter of 32-bit ELF files.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || $SUDO mount -t binfmt_misc binfmt_misc $binfmt || fail "cannot mount binfmt_misc"
  if [ ! -e $binfmt/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
      $SUDO tee $binfmt/register >/dev/null || fail "cannot register QEMU for 32-bit programs"
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || fail "Wine's 32-bit loader does not start"
fi

for tool in i686-w64-mingw32-g++-posix i686-w64-mingw32-windres wine xvfb-run xdotool /usr/bin/convert cmake ninja; do
  command -v "$tool" >/dev/null || fail "$tool is still missing after installation"
done
