#!/usr/bin/env bash
# Builds the Debian package with dpkg-buildpackage (debian/ says how) and prints its path. The
# build works in a copy of the source, FOLDER/vore-trelliq (default build/deb), so that what
# dpkg-buildpackage writes beside the source tree (the package, its -dbgsym package, the
# .changes and .buildinfo) lands in FOLDER, not in the checkout's parent folder.
#   scripts/package-deb.sh [FOLDER]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$source_dir/build/deb}")
copy=$out/vore-trelliq

"$source_dir/scripts/setup.sh" --package

echo "Building the Debian package in $copy" >&2
rm -rf "$copy"
mkdir -p "$copy"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git --exclude=./.cache -cf - . |
    tar -C "$copy" -xf -
# debhelper installs some files as they are (the lintian overrides), and dpkg-deb lowers only the
# times after the changelog's to its time: each file of the copy takes that time, so that none of
# the checkout's own times reaches the package.
find "$copy" -exec touch -h -d "@$(dpkg-parsechangelog -l "$copy/debian/changelog" -STimestamp)" {} +
# As many jobs as the processor has cores, or as test.sh gives each of its builds.
(cd "$copy" && dpkg-buildpackage -us -uc -b -J"${CMAKE_BUILD_PARALLEL_LEVEL:-auto}") >&2

package=$out/vore-trelliq_$(dpkg-parsechangelog -l "$copy/debian/changelog" -SVersion)
package+=_$(dpkg --print-architecture).deb
[[ -f "$package" ]] || { echo "dpkg-buildpackage made no $package" >&2; exit 1; }
echo "$package"
