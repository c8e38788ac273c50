#!/usr/bin/env bash
# The package is reproducible: a copy of the source in a deeper folder, its files a day older,
# packaged under umask 077 in another locale and time zone, gives the same bytes as PACKAGE.
#   reproducible.sh PACKAGE SOURCE-DIR
set -euo pipefail
package=$1 source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/one/more/level/vore-trelliq
mkdir -p "$copy"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -
find "$copy" -exec touch -h -d '1 day ago' {} +
again=$(umask 077 && cd "$work" && LC_ALL=C.UTF-8 TZ=Pacific/Kiritimati \
    "$copy/scripts/package-deb.sh" "$copy/out")
if ! cmp "$package" "$again"; then
    diff <(dpkg-deb -c "$package") <(dpkg-deb -c "$again") || true
    diff <(dpkg-deb -I "$package" md5sums) <(dpkg-deb -I "$again" md5sums) || true
    echo "FAIL: a second build of the package differs from the first" >&2
    exit 1
fi
echo "Built again elsewhere: the same package, $(sha256sum <"$package" | cut -d' ' -f1)"
