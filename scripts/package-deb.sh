#!/usr/bin/env bash
# Builds the Debian package as a distribution would: a release build with Debian's hardening
# flags, installed under /usr with the command in /usr/games, stripped, its dependencies found
# by dpkg-shlibdeps. Prints the package's path; the package lands in FOLDER (default build/deb),
# next to the build tree it came from.
#
# The package is reproducible: the same source gives the same bytes whatever its folder, the
# umask, locale, time zone and clock of the build. Every time stamp in it is SOURCE_DATE_EPOCH,
# which, when the caller sets none, is the time of the changelog's latest entry, as
# dpkg-buildpackage takes it.
#   scripts/package-deb.sh [FOLDER]
set -euo pipefail
# As dpkg-buildpackage does: the modes of what the build makes do not depend on the caller.
umask 022
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$source_dir/build/deb}")

"$source_dir/scripts/setup.sh" --package

# All of Debian's hardening, immediate binding included. dpkg-buildflags maps the folder it runs
# in to "." in the debug information, on which the build id depends, and the build id stays in
# the stripped program: that is the source folder here, and the build folder, wherever it lies,
# is mapped to "build" after it.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$source_dir" && dpkg-buildflags --get "$1"); }
build_map=-ffile-prefix-map=$out/build=build
# CMake reads no CPPFLAGS: the preprocessor's flags go in with the compilers'. The release
# configuration adds only NDEBUG, so that the optimisation is the one Debian chose. moc names each
# header by its include path rather than by a path from the build folder up to the source, which
# would depend on where the build folder lies.
cmake -S "$source_dir" -B "$out/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_AUTOMOC_PATH_PREFIX=ON \
    -DCMAKE_C_FLAGS="$(flags CPPFLAGS) $(flags CFLAGS) $build_map" \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS) $build_map" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_INSTALL_PREFIX=/usr -DVORE_INSTALL_COMMANDDIR=games \
    -DBUILD_TESTING=OFF >/dev/null

# Qt's resource compiler and cpack take their time stamps from it too.
: "${SOURCE_DATE_EPOCH:=$(dpkg-parsechangelog -l "$out/build/dist/changelog" -STimestamp)}"
export SOURCE_DATE_EPOCH
cmake --build "$out/build" >&2
(cd "$out/build" && cpack -B "$out" >/dev/null)

package=$out/vore-trelliq_$(awk -F'"' '/^set\(CPACK_PACKAGE_VERSION /{print $2}' \
    "$out/build/CPackConfig.cmake")_$(dpkg --print-architecture).deb
[[ -f "$package" ]] || { echo "cpack made no $package" >&2; exit 1; }

# cpack counts the command, a link, at the size of the executable it leads to. Installed-Size is
# counted again as dpkg-gencontrol counts it: each file and link in whole KiB, 1 KiB for anything
# else; then dpkg-deb packs the tree again.
tree=$out/tree
rm -rf "$tree"
dpkg-deb --raw-extract "$package" "$tree"
size=$(find "$tree" -path "$tree/DEBIAN" -prune -o -printf '%y %s\n' |
    awk '{ total += ($1 == "f" || $1 == "l") ? int(($2 + 1023) / 1024) : 1 } END { print total }')
sed -i "s/^Installed-Size: .*/Installed-Size: $size/" "$tree/DEBIAN/control"
dpkg-deb --root-owner-group -Zgzip --build "$tree" "$package" >/dev/null
rm -rf "$tree"
echo "$package"
