#!/usr/bin/env bash
# Builds the Debian package as a distribution would: a release build with Debian's hardening
# flags, installed under /usr with the command in /usr/games, stripped, its dependencies found
# by dpkg-shlibdeps. Prints the package's path; the package lands in FOLDER (default build/deb),
# next to the build tree it came from.
#   scripts/package-deb.sh [FOLDER]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$source_dir/build/deb}")

"$source_dir/scripts/setup.sh" --package

# All of Debian's hardening, immediate binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
# CMake reads no CPPFLAGS: the preprocessor's flags go in with the compilers'. The release
# configuration adds only NDEBUG, so that the optimisation is the one Debian chose.
cmake -S "$source_dir" -B "$out/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="$(flags CPPFLAGS) $(flags CFLAGS)" \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_INSTALL_PREFIX=/usr -DVORE_INSTALL_COMMANDDIR=games \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out/build" >&2
(cd "$out/build" && cpack -B "$out" >/dev/null)

package=$out/vore-trelliq_$(awk -F'"' '/^set\(CPACK_PACKAGE_VERSION /{print $2}' \
    "$out/build/CPackConfig.cmake")_$(dpkg --print-architecture).deb
[[ -f "$package" ]] || { echo "cpack made no $package" >&2; exit 1; }
echo "$package"
