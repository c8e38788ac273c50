#!/usr/bin/env bash
# scripts/setup.sh waits for apt's lock whatever the user's language: run in Czech, with stand-ins
# for apt-get (which reports the lock once, in the language its locale asks for, as apt does)
# and for dpkg-query (which reports one package missing), it waits, then installs that package.
#   apt-lock.sh SOURCE-DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
[ "$3" = qt6-base-dev ] && exit 1
echo "install ok installed"
EOF
cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "$*" >>"$APT_CALLS"
[[ -e "$APT_CALLS.locked" ]] && exit 0
touch "$APT_CALLS.locked"
# gettext's order: LANGUAGE, unless the locale is C, then LC_ALL, LC_MESSAGES, LANG.
locale=${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}
[[ "$locale" == C* ]] || locale=${LANGUAGE:-$locale}
if [[ "$locale" == cs* ]]; then
    echo "E: Nelze získat zámek /var/lib/dpkg/lock-frontend. Drží ho proces 4242 (apt-get)" >&2
else
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242" \
        "(apt-get)" >&2
fi
exit 100
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

export APT_CALLS=$work/calls
status=0
env -u LC_ALL -u LC_MESSAGES LANG=cs_CZ.UTF-8 LANGUAGE=cs PATH="$work/bin:$PATH" \
    VORE_APT_LOCK_WAIT=120 bash "$1/scripts/setup.sh" >"$work/out" 2>&1 || status=$?
cat "$work/out"
# The update that met the lock, the update again, the install.
expected="-qq update
-qq update
-qq install -y --no-install-recommends qt6-base-dev"
if ((status != 0)) || ! grep -q "^Waiting for apt's lock" "$work/out" ||
    [[ "$(cat "$APT_CALLS")" != "$expected" ]]; then
    echo "FAIL: set-up under a Czech locale, exit $status; apt-get ran with:" >&2
    cat "$APT_CALLS" >&2
    exit 1
fi
echo "Set-up waited for apt's lock under a Czech locale, then installed the missing package"
