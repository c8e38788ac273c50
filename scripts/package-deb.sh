#!/usr/bin/env bash
# Builds the Debian source package and the binary packages with dpkg-buildpackage (debian/ says
# how) and prints the path of the game's package. The upstream tarball that the source package
# starts from is the release archive of this tree, which leaves debian/ out: in a git checkout,
# `git archive` of HEAD with the changes to tracked files that are not committed yet (so at a
# release's commit it is the release archive itself); in a copy without git, its files. The
# build works in that archive unpacked as FOLDER/vore-trelliq (default build/deb), with this
# tree's debian/, so that what dpkg-buildpackage writes beside the source tree (the
# source package, the packages, the .changes and .buildinfo) lands in FOLDER, not in the
# checkout's parent folder.
#   scripts/package-deb.sh [FOLDER]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$source_dir/build/deb}")
copy=$out/vore-trelliq

"$source_dir/scripts/setup.sh" --package

changelog=$source_dir/debian/changelog
version=$(dpkg-parsechangelog -l "$changelog" -SVersion)
timestamp=$(dpkg-parsechangelog -l "$changelog" -STimestamp)
upstream=${version%-*}
orig=$out/vore-trelliq_$upstream.orig.tar.gz
mkdir -p "$out"
rm -f "$orig"
if [[ "$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null)" == "$source_dir" ]]; then
    # stash create records the uncommitted changes as a commit without touching the checkout.
    commit=$(git -C "$source_dir" stash create)
    git -C "$source_dir" archive --prefix="vore-trelliq-$upstream/" -o "$orig" "${commit:-HEAD}"
else
    tar -C "$source_dir" --exclude='./build*' --exclude=./.cache --exclude=./.git \
        --exclude=./debian --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$timestamp" \
        --transform="s|^\.|vore-trelliq-$upstream|" -cf - . | gzip -9n >"$orig"
fi

echo "Building the Debian package in $copy from $orig" >&2
rm -rf "$copy"
mkdir -p "$copy"
tar -C "$copy" --strip-components=1 -xzf "$orig"
cp -r "$source_dir/debian" "$copy/debian"
# debhelper installs some files as they are, and dpkg-deb lowers only the times after the
# changelog's to its time: each file of the copy takes that time, so that none of the checkout's
# own times reaches the package.
find "$copy" -exec touch -h -d "@$timestamp" {} +
# As many jobs as the processor has cores, or as test.sh gives each of its builds.
(cd "$copy" && dpkg-buildpackage -us -uc -J"${CMAKE_BUILD_PARALLEL_LEVEL:-auto}") >&2

package=$out/vore-trelliq_${version}_$(dpkg --print-architecture).deb
[[ -f "$package" ]] || { echo "dpkg-buildpackage made no $package" >&2; exit 1; }
echo "$package"
