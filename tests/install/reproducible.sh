#!/usr/bin/env bash
# The package is reproducible: a copy of the source in a deeper folder, its files a day older,
# packaged under umask 077 in another locale and time zone, gives the same bytes as PACKAGE, and
# the same -dbgsym package. The copy is packaged with nocheck, which builds no tests: the
# package must not depend on whether they were built and run.
#   reproducible.sh PACKAGE SOURCE-DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/one/more/level/vore-trelliq
mkdir -p "$copy"
tar -C "$2" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -
find "$copy" -exec touch -h -d '1 day ago' {} +
again=$(umask 077 && cd "$work" && LC_ALL=C.UTF-8 TZ=Pacific/Kiritimati DEB_BUILD_OPTIONS=nocheck \
    "$copy/scripts/package-deb.sh")
cmp "$1" "$again" || { diff <(dpkg-deb -c "$1") <(dpkg-deb -c "$again"); exit 1; }
symbols=vore-trelliq-dbgsym_${1##*/vore-trelliq_}
cmp "${1%/*}/$symbols" "${again%/*}/$symbols"
echo "Built again elsewhere: the same package, $(sha256sum <"$1" | cut -d' ' -f1)"
