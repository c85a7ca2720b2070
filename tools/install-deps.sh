#!/usr/bin/env bash
# Installs what building, running and testing Wendral needs on Debian 12, idempotently.
# Run as root (or through sudo).
set -euo pipefail
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo

packages=(
  build-essential cmake pkg-config git ccache
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libfreetype-dev libpng-dev fontconfig libfontconfig-dev fonts-wqy-microhei
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  clang libclang-rt-14-dev llvm lld
  wine wine32:i386 wine64
  xvfb xauth x11-utils xdotool imagemagick locales
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  [ -n "${need_update:-}" ] || true
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page (936) from the host locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
