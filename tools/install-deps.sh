#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the program and its
# Debian package need, when any is missing. As root it runs apt-get;
# otherwise it prints the line to run and stops. --with-clang adds the
# compiler the sanitize and fuzz presets build with. PICTYPE_SKIP_DEPS=1
# skips the check (other systems).
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n tesseract-ocr tesseract-ocr-deu
  libzip-dev zipcmp zipmerge ziptool zip
  libsdl2-dev libespeak-ng-dev sox
  qt6-base-private-dev libxcb1-dev libwayland-dev libwayland-bin wayland-protocols qt6-wayland
  libjpeg62-turbo-dev libxtst-dev
  xvfb xdotool imagemagick x11-utils x11-xserver-utils xclip openbox xterm fonts-dejavu-core
  sway wtype grim mutter dbus-daemon python3-dbus
  desktop-file-utils libglib2.0-bin qt6-image-formats-plugins
  build-essential debhelper lintian appstream
)
if [[ ${1:-} == --with-clang ]]; then packages+=(clang libclang-rt-14-dev); fi

[[ -n ${PICTYPE_SKIP_DEPS:-} ]] && exit 0
if ! command -v dpkg-query >/dev/null; then
  echo "This is not a Debian system: install the equivalents of these Debian 12" >&2
  echo "packages, then run again with PICTYPE_SKIP_DEPS=1:" >&2
  echo "  ${packages[*]}" >&2
  exit 1
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Some Debian packages are missing. Install them as root, then run the same" >&2
  echo "make command again:" >&2
  echo "  sudo apt-get update && sudo $line" >&2
  exit 1
fi
echo "Installing missing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
