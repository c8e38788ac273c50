#!/usr/bin/env bash
# Installs the Debian packages that the build (with --package, the Debian package; with --tests,
# the tests) need and that are not there yet. Quiet when everything is installed already. While
# another program holds apt's lock it waits, saying so, for VORE_APT_LOCK_WAIT seconds at most
# (half an hour unless set).
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-private-dev libwayland-dev
          fonts-dejavu-core qt6-translations-l10n)
if [[ "${1:-}" == "--package" || "${1:-}" == "--tests" ]]; then
    # The protocols' XML, for the unit tests' Wayland compositor, which the package's build runs.
    packages+=(dpkg-dev debhelper libxcb1-dev file wayland-protocols)
fi
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(xvfb xauth openbox xdotool x11-utils x11-xserver-utils imagemagick
               libxext-dev libxfixes-dev libxdamage-dev libxtst-dev libbenchmark-dev valgrind
               weston qt6-wayland mutter kwin-wayland kwin-style-breeze sway python3 dbus-daemon
               lintian desktop-file-utils appstream libgtk-3-bin man-db xclip
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
export DEBIAN_FRONTEND=noninteractive
# How long apt's and dpkg's locks may stay held by another program (the daily upgrade, a software
# centre, another install) before this gives up: an upgrade of a whole desktop takes that long.
lock_wait_seconds=${VORE_APT_LOCK_WAIT:-1800}

# apt_get ARGUMENTS...: apt-get, run again every few seconds while another program holds apt's or
# dpkg's lock, saying once what it waits for. apt says so in the user's language: in the C locale
# its message is the one looked for here.
apt_get() {
    local deadline=$((SECONDS + lock_wait_seconds)) said="" status
    while true; do
        status=0
        "${sudo[@]}" env LC_ALL=C apt-get -qq "$@" >/dev/null 2>"$errors" || status=$?
        ((status != 0)) && grep -q 'Could not get lock' "$errors" || break
        if ((SECONDS >= deadline)); then
            echo "apt's lock is still held after $lock_wait_seconds seconds:" >&2
            grep 'Could not get lock' "$errors" >&2
            echo "Let that program finish (or end it), then run this again." >&2
            exit 1
        fi
        [[ -n "$said" ]] || echo "Waiting for apt's lock, which another program holds:" \
            "$(grep -o 'held by process.*' "$errors" || grep 'Could not get lock' "$errors")"
        said=yes
        sleep 5
    done
    cat "$errors" >&2
    return "$status"
}
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

echo "Installing: ${missing[*]}"
apt_get update
apt_get install -y --no-install-recommends "${missing[@]}"
