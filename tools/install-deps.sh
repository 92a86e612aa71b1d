#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine (as root, or
# through sudo). Packages already present are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages=(cmake g++ make libgtest-dev libgmock-dev openjdk-17-jdk-headless libbenchmark-dev
          clang libclang-rt-14-dev llvm)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# brenwick and the Windows DLL are cross-built with mingw-w64 and run under wine.
bash .ci/install-windows.sh
