#!/usr/bin/env bash
# Installs the Debian packages that the build (with --package, the Debian package; with --tests,
# the tests) need and that are not there yet. Quiet when everything is installed already.
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-private-dev libwayland-dev
          fonts-dejavu-core qt6-translations-l10n)
if [[ "${1:-}" == "--package" || "${1:-}" == "--tests" ]]; then
    packages+=(dpkg-dev file)
fi
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(xvfb xauth openbox xdotool x11-utils x11-xserver-utils imagemagick
               libxext-dev libxfixes-dev libxdamage-dev libxtst-dev libbenchmark-dev valgrind
               weston qt6-wayland mutter dbus-daemon lintian desktop-file-utils appstream libgtk-3-bin man-db xclip
               # clang's libFuzzer and sanitizer runtimes are only recommended by clang.
               clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
