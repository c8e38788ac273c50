#!/usr/bin/env bash
# The installed game, checked the way distributions check a package: a plain install of this
# build is installed into temporary folders and the package is unpacked; each tree must hold
# exactly the expected layout, with relative links that resolve to the executable (the command)
# and to the help text (beside the executable). The package's tree goes through the desktop,
# AppStream, icon and man page validators; the package itself through its control fields, its
# binary's hardening and debug symbols, and lintian on the build's .changes, which holds the
# source package too. Every validator's output is printed. The uninstall target is tried on
# installs of the test build, and the configure of a binary-only rebuild on a copy of the source.
#   check-package.sh PACKAGE TEST-BUILD-DIR SOURCE-DIR APP-ID VERSION PACKAGE-VERSION
set -euo pipefail

package=$1 test_build=$2 source_dir=$3 app_id=$4 version=$5 package_version=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CACHE_HOME=$work/cache
mkdir "$HOME"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

readonly icon_sizes=(16 32 48 64 128 256)

# expected_files COMMAND-DIR [MORE...]: every file and link of an install, relative to its
# prefix.
expected_files() {
    local size
    {
        for more in "${@:2}"; do echo "$more"; done
        echo "$1/vore-trelliq"
        echo libexec/vore-trelliq/vore-trelliq
        echo libexec/vore-trelliq/Help.txt
        echo share/vore-trelliq/Help.txt
        echo "share/applications/$app_id.desktop"
        echo "share/metainfo/$app_id.metainfo.xml"
        for size in "${icon_sizes[@]}"; do
            echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"
        done
        echo share/man/man6/vore-trelliq.6.gz
        echo share/doc/vore-trelliq/copyright
        echo share/doc/vore-trelliq/changelog.gz
    } | sort
}

files_under() {
    (cd "$1" && find . ! -type d | sed 's|^\./||' | sort)
}

# check_layout NAME ROOT PREFIX COMMAND-DIR [MORE-FILES...]
check_layout() {
    local name=$1 base=$2$3 command_dir=$4 size
    local program=$base/libexec/vore-trelliq/vore-trelliq
    if ! diff -u <(expected_files "$command_dir" "${@:5}") <(files_under "$base") \
        >"$work/layout.diff"; then
        fail "$name: the installed files differ from the layout:"
        cat "$work/layout.diff" >&2
        return
    fi
    local link target
    for link in "$command_dir/vore-trelliq=libexec/vore-trelliq/vore-trelliq" \
        "libexec/vore-trelliq/Help.txt=share/vore-trelliq/Help.txt"; do
        target=$base/${link#*=} link=${link%%=*}
        if [[ ! -L "$base/$link" || "$(readlink "$base/$link")" == /* ]]; then
            fail "$name: $link is not a relative link"
        elif [[ "$(realpath "$base/$link")" != "$(realpath "$target")" ]]; then
            fail "$name: $link leads to $(realpath -m "$base/$link"), not ${target#"$base"/}"
        fi
    done
    [[ -x "$program" && "$(file -b "$program")" == ELF* ]] ||
        fail "$name: libexec/vore-trelliq/vore-trelliq is not an executable program"
    cmp -s "$source_dir/data/Help.txt" "$base/libexec/vore-trelliq/Help.txt" ||
        fail "$name: Help.txt beside the executable is not the shipped help text"
    if readelf -d "$program" | grep -E 'RPATH|RUNPATH' >"$work/runpath"; then
        fail "$name: the executable searches libraries in its own paths: $(cat "$work/runpath")"
    fi
    for size in "${icon_sizes[@]}"; do
        [[ "$(identify -format '%wx%h' \
            "$base/share/icons/hicolor/${size}x$size/apps/$app_id.png")" == "${size}x$size" ]] ||
            fail "$name: the ${size}x$size icon has another size"
    done
}

cache_value() {
    sed -n "s/^$1:[A-Z]*=//p" "$test_build/CMakeCache.txt"
}

# uninstall [VAR=VALUE...]: the uninstall target in that environment; said is its output, with
# the lines that CMake wraps its messages in joined.
uninstall() {
    local status=0
    env "$@" cmake --build "$test_build" --target uninstall >"$work/uninstall.out" 2>&1 || status=$?
    said=$(tr -s ' \n' ' ' <"$work/uninstall.out")
    return "$status"
}
# A plain install of the test build: its own prefix, the command where the cache says.
DESTDIR=$work/plain cmake --install "$test_build" >/dev/null
readonly plain_docs=(share/doc/vore-trelliq/LICENSE)
check_layout "plain install" "$work/plain" "$(cache_value CMAKE_INSTALL_PREFIX)" \
    "$(cache_value VORE_INSTALL_COMMANDDIR)" "${plain_docs[@]}"
uninstall DESTDIR="$work/plain" && [[ ! -e "$work/plain" ]] ||
    fail "the uninstall with the plain install's DESTDIR: $said"

# Under another prefix and umask 077, beside a launcher of something else: the launcher finds
# the command on PATH, the man page names no folder of the configured prefix, the folders made
# are rwxr-xr-x, and the uninstall target leaves the home as it was.
home=$HOME/.local command_dir=$(cache_value VORE_INSTALL_COMMANDDIR)
(umask 022 && mkdir -p "$home/share/applications") && touch "$home/share/applications/other.desktop"
find "$HOME" -printf '%M %p\n' | sort >"$work/home.before"
(umask 077 && cmake --install "$test_build" --prefix "$home" >/dev/null)
check_layout "home install" "$home" "" "$command_dir" share/applications/other.desktop \
    "${plain_docs[@]}"
launcher_command=$(sed -n 's/^Exec=//p' "$home/share/applications/$app_id.desktop")
found=$(PATH=$home/$command_dir command -v "$launcher_command")
[[ "$found" == "$home/$command_dir/vore-trelliq" ]] || fail "the launcher finds \"$found\" on PATH"
! zgrep -qF "$(cache_value CMAKE_INSTALL_PREFIX)" "$home/share/man/man6/vore-trelliq.6.gz" ||
    fail "the man page names the configured prefix"
[[ -z "$(find "$home" -type d ! -perm 0755)" ]] || fail "the home install made folders not rwxr-xr-x"
# Given a DESTDIR that the install did not have, it refuses, naming both, and removes nothing.
! uninstall DESTDIR="$work/elsewhere" && [[ -e "$home/$command_dir/vore-trelliq" && "$said" == \
    *"went under its prefix $home, with no DESTDIR, not to the given DESTDIR $work/elsewhere"* ]] ||
    fail "an uninstall with a DESTDIR that the install did not have: $said"
uninstall
diff -u "$work/home.before" <(find "$HOME" -printf '%M %p\n' | sort) ||
    fail "the uninstall target left the home otherwise than it found it"
uninstall && [[ "$said" == *"Nothing to uninstall"* ]] || fail "uninstalling nothing: $said"
# Installed under two prefixes, both go.
for prefix in one two; do cmake --install "$test_build" --prefix "$work/$prefix" >/dev/null; done
uninstall && [[ ! -e "$work/one" && ! -e "$work/two" ]] ||
    fail "after installs under two prefixes the uninstall left $(ls -d "$work"/one "$work"/two)"
# With every installed file gone already, it says so.
cmake --install "$test_build" --prefix "$work/one" >/dev/null
rm -r "$work/one"
uninstall && [[ "$said" == *"Nothing left to remove"* ]] || fail "nothing left to remove: $said"
# A folder of the install replaced by a link into another tree: the uninstall takes nothing behind
# it, names it, and takes the rest once the folder is back.
cmake --install "$test_build" --prefix "$work/one" >/dev/null
mv "$work/one/share/icons/hicolor" "$work/other"
ln -s "$work/other" "$work/one/share/icons/hicolor"
! uninstall && [[ "$(find "$work/other" -type f | wc -l)" == "${#icon_sizes[@]}" &&
    ! -e "$work/one/share/applications" &&
    "$said" == *"Left $work/one/share/icons/hicolor, a symbolic link to $work/other "* ]] ||
    fail "an uninstall through a link in place of a folder: $said"
rm "$work/one/share/icons/hicolor"
mv "$work/other" "$work/one/share/icons/hicolor"
uninstall && [[ ! -e "$work/one" ]] || fail "the uninstall with the folder back: $said"
# Staged with DESTDIR: the uninstall takes away the staging folder's files and folders, not a
# file of the same name under the real prefix; with no record of the DESTDIR it removes nothing.
own=$home/share/doc/vore-trelliq/copyright
DESTDIR=$work/stage cmake --install "$test_build" --prefix "$home" >/dev/null
mkdir -p "${own%/*}" && echo own >"$own"
! uninstall DESTDIR="$work/elsewhere" && [[ -e "$work/stage$own" && "$said" == \
    *"went to DESTDIR $work/stage, not to the given DESTDIR $work/elsewhere"* ]] ||
    fail "an uninstall with another DESTDIR than the install's: $said"
uninstall
[[ ! -e "$work/stage" ]] || fail "the uninstall left $(find "$work/stage" | head -n 3)"
[[ "$(cat "$own")" == own ]] || fail "the uninstall of a staged install took a file of the prefix"
echo "$own" >"$test_build/install_manifest.txt"
! uninstall && [[ -e "$own" ]] ||
    fail "an uninstall with no record of the latest install's DESTDIR went ahead"
rm -rf "$test_build/install_manifest.txt" "$home/share/doc"

# The upstream tree configures without debian/, its day from CHANGELOG; with a binary-only
# rebuild's entry on top of debian/changelog, the package's configure takes that entry's day
# (SOURCE_DATE_EPOCH, as dpkg-buildpackage sets it) and still builds the version of project().
# configures_release NAME VERSION-AND-DAY DIST-FOLDER COMMAND...: the command configures, and the
# metainfo that it writes into DIST-FOLDER (a pattern) names that release.
configures_release() {
    local name=$1 expected=$2 dist=$3 release
    shift 3
    "$@" >"$work/configure.out" 2>&1 ||
        fail "$name does not configure: $(cat "$work/configure.out")"
    release=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' \
        $dist/"$app_id.metainfo.xml")
    [[ "$release" == "$expected" ]] || fail "$name: the metainfo gives the release $release"
}
upstream=$work/upstream
mkdir "$upstream"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git --exclude=./debian -cf - . |
    tar -C "$upstream" -xf -
release_day=$(sed -n "s/^$version (\(.*\))\$/\1/p" "$upstream/CHANGELOG")
configures_release "the upstream tree without debian/" "$version $release_day" \
    "$upstream/build/dist" env -u SOURCE_DATE_EPOCH cmake -S "$upstream" -B "$upstream/build" \
    -DBUILD_TESTING=OFF
cp -r "$source_dir/debian" "$upstream/debian"
{
    printf 'vore-trelliq (%s+b1) unstable; urgency=low, binary-only=yes\n\n' "$package_version"
    printf '  * Binary-only non-maintainer upload for amd64; no source changes.\n\n'
    printf ' -- Build Daemon <buildd@example.org>  Thu, 31 Dec 2026 23:59:59 -0200\n\n'
    cat "$source_dir/debian/changelog"
} >"$upstream/debian/changelog"
configures_release "a binary-only rebuild" "$version 2027-01-01" "$upstream/obj-*/dist" \
    env -C "$upstream" dpkg-buildpackage -us -uc -b -T override_dh_auto_configure

dpkg-deb -x "$package" "$work/root"
check_layout "package" "$work/root" /usr games share/doc/vore-trelliq/changelog.Debian.gz \
    share/lintian/overrides/vore-trelliq

# The package: its control fields, dependencies and the hardening of its binary.
field() {
    dpkg-deb -f "$package" "$1"
}
echo "Depends: $(field Depends)"
echo "Recommends: $(field Recommends)"
for pair in Package=vore-trelliq "Version=$package_version" Section=games Priority=optional \
    "Architecture=$(dpkg --print-architecture)" "Recommends=qt6-wayland, qt6-translations-l10n"; do
    [[ "$(field "${pair%%=*}")" == "${pair#*=}" ]] ||
        fail "the package's ${pair%%=*} is \"$(field "${pair%%=*}")\", not \"${pair#*=}\""
done
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $(field Depends)," == *", $library "[\(,]* ]] ||
        fail "the package does not depend on $library"
done
tree_size=$(du -sk "$work/root" | cut -f1)
(($(field Installed-Size) * 10 > tree_size * 9 && $(field Installed-Size) * 10 < tree_size * 11)) ||
    fail "the package's Installed-Size is $(field Installed-Size) KiB; du finds $tree_size KiB"
program=$work/root/usr/libexec/vore-trelliq/vore-trelliq
[[ "$(file -b "$program")" == *", stripped"* ]] || fail "the packaged executable is not stripped"
readelf -lW "$program" | grep -q GNU_RELRO || fail "the packaged executable has no RELRO"
readelf -dW "$program" | grep -qE 'BIND_NOW|FLAGS_1.*NOW' ||
    fail "the packaged executable binds its symbols lazily"
readelf -hW "$program" | grep -q 'DYN (Position-Independent' ||
    fail "the packaged executable is not position-independent"
# Its symbols are in the -dbgsym package, under its build id.
build_id=$(readelf -nW "$program" | sed -n 's/.*Build ID: //p')
symbols=$(dpkg-deb -c "${package/vore-trelliq_/vore-trelliq-dbgsym_}" || true)
[[ "$symbols" == *" ./usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"* ]] ||
    fail "the -dbgsym package holds no symbols for the build id ${build_id:-(none)}"

# What waits for the project's public home (debian/README.source): a homepage, a watch file, the
# repository and bug tracker in the upstream metadata, an ITP bug for the first upload to close.
waiting_for_a_home='^[IPW]: vore-trelliq( source)?: (no-homepage-field|debian-watch-file-is-'
waiting_for_a_home+='missing|upstream-metadata-missing-(repository|bug-tracking)|initial-upload-'
waiting_for_a_home+='closes-no-bugs)( |$)'
readonly waiting_for_a_home
# run_validator NAME COMMAND...: prints the validator's output; a failed exit, or any message
# but lintian's notes (N:), its warning about running as root and the tags of what waits for a
# public home, or AppStream's verdict, fails the check.
run_validator() {
    local name=$1 status=0
    shift
    "$@" >"$work/validator.out" 2>"$work/validator.err" || status=$?
    echo "--- $name: exit $status"
    cat "$work/validator.out" "$work/validator.err"
    if ((status != 0)) || cat "$work/validator.out" "$work/validator.err" |
        grep -vE '^(N: |✔ Validation was successful\.$|running with root privileges is not)' |
        grep -vE "$waiting_for_a_home" |
        grep -q .; then
        fail "$name reported problems"
    fi
}

share=$work/root/usr/share
run_validator desktop-file-validate desktop-file-validate "$share/applications/$app_id.desktop"
run_validator "appstreamcli validate" appstreamcli validate --no-net --pedantic \
    "$share/metainfo/$app_id.metainfo.xml"
run_validator "appstreamcli validate-tree" appstreamcli validate-tree --no-net --pedantic \
    "$work/root"
# The icon cache of the copy is built, then read back and checked.
icon_cache_builds() {
    gtk-update-icon-cache --quiet --ignore-theme-index --force "$1" &&
        gtk-update-icon-cache --validate --ignore-theme-index "$1"
}
cp -r "$share/icons/hicolor" "$work/icons"
run_validator gtk-update-icon-cache icon_cache_builds "$work/icons"
# groff's warnings, not the page, are the validator's output.
man_page_renders() {
    man --warnings -E UTF-8 -l "$1" >/dev/null
}
run_validator man man_page_renders "$share/man/man6/vore-trelliq.6.gz"
run_validator lintian lintian -EvIL +pedantic "${package%.deb}.changes"

# The launcher starts the installed command and shows the installed icon.
desktop=$share/applications/$app_id.desktop
entry() {
    sed -n "s/^$1=//p" "$desktop"
}
[[ "$(entry Exec)" == vore-trelliq && "$(entry TryExec)" == vore-trelliq ]] ||
    fail "the launcher starts \"$(entry Exec)\", not the command by its name"
[[ "$(entry Icon)" == "$app_id" ]] || fail "the launcher shows the icon \"$(entry Icon)\""
grep -q "<release version=\"$version\" date=\"" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo names no release $version"
zcat "$share/doc/vore-trelliq/changelog.gz" | head -n 1 | grep -q "^$version (" ||
    fail "the upstream changelog does not start with version $version"
zcat "$share/doc/vore-trelliq/changelog.Debian.gz" | head -n 1 |
    grep -q "^vore-trelliq ($package_version) " ||
    fail "Debian's changelog does not start with version $package_version"

((failures == 0)) || exit 1
echo "The package and the installs hold the expected layout; every validator passed"
