#!/usr/bin/env bash
# Installs the Debian packages Vellaro needs to build, run and test, when missing:
# also clang (fuzzing, clang-tidy), the Debian packaging tools and the MinGW cross
# compiler that checks the Windows backend.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libx11-dev libxcb1-dev libxtst-dev
  libgtest-dev
  xvfb xauth x11-utils xdotool
  libssl3 ca-certificates openssl
  desktop-file-utils appstream
  fonts-liberation2
  clang clang-tidy libclang-rt-14-dev python3
  dpkg-dev file lintian
  g++-mingw-w64-x86-64
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build and test packages are installed."
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  else
    echo "Please run as root (or install sudo) to install: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
# -q, not -qq: a download of some minutes still shows each package as it comes.
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
