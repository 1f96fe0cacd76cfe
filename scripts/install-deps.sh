#!/usr/bin/env bash
# Installs every Debian package that the builds, the tests and the run
# command need. Idempotent: when everything is present it only checks.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-tidy cppcheck
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  googletest libgtest-dev libbenchmark-dev libmpfr-dev
  wine wine32:i386 wine64
  xvfb xauth x11-utils xdotool imagemagick openbox
  fonts-comic-neue fonts-dejavu-core fonts-liberation
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}; run as root to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
