#!/usr/bin/env bash
# Installs the Debian packages Tessary needs to build, test, fuzz and run.
# Idempotent: installs only what is missing; uses sudo only when not root.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libglx-dev libopengl-dev libpng-dev
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format g++-mingw-w64-x86-64-posix
  fonts-dejavu-core fonts-liberation
  xvfb xauth imagemagick time
  tango-icon-theme python3 python3-pil
  # the Debian package (dpkg-shlibdeps, file), the manual pages' layout check, the completion's
  # helpers and the software-centre and desktop-entry validators the install tests run
  dpkg-dev file groff-base bash-completion appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
