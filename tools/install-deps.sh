#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# when any is missing. As root it runs apt-get; otherwise it prints the line
# to run and stops.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libzip-dev zipcmp zipmerge ziptool zip
  libsdl2-dev
  xvfb xdotool imagemagick x11-utils xclip fonts-dejavu-core desktop-file-utils
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing Debian packages. Install them as root with:" >&2
  echo "  sudo apt-get update && sudo $line" >&2
  exit 1
fi
echo "Installing missing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends "${missing[@]}"
