#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail
# dpkg-dev brings dpkg-shlibdeps, which finds the dependencies of the .deb package;
# CPack needs file to pick out the programs it gives to it.
packages=(cmake ninja-build g++ clang-format qt6-base-dev libgtest-dev libtomlplusplus-dev nlohmann-json3-dev
          libpugixml-dev dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
