#!/usr/bin/env bash
# Installs what the Windows builds and their wine tests need on a Debian 12 machine: the
# mingw-w64 C++ cross compilers for 32-bit and 64-bit Windows (with the posix thread model, which
# GoogleTest needs), GoogleTest's sources, and wine with its 64-bit part (for a 64-bit prefix with
# both registry views) and its 32-bit part (wine32, which needs the i386 architecture; it runs
# only where the kernel runs 32-bit programs). Runs as root (or through sudo), without questions;
# does nothing when all is already there.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix g++-mingw-w64-i686 g++-mingw-w64-x86-64
          googletest wine wine64 wine32:i386)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-windows: all packages present"
  exit 0
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "install-windows: installed ${missing[*]}"
