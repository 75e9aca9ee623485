#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, and nothing that is already there.
# Usage: tools/setup.sh [MORE PACKAGES...] (a benchmark names what only it needs)
set -euo pipefail

packages=(
    cmake make g++ clang-14 libclang-rt-14-dev googletest zlib1g-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 libz-mingw-w64-dev
    wine wine32:i386 wine64 xvfb xauth locales
    chromium python3
    osslsigncode openssl
    "$@"
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done

# A mirror in the middle of a sync fails one index now and then ("File has unexpected size"): the
# update is tried again, and then the lists it has are used.
update_lists() {
    for attempt in 1 2 3; do
        as_root apt-get update -q && return 0
        echo "setup: apt-get update failed (attempt $attempt of 3)" >&2
        [ "$attempt" -lt 3 ] && sleep $((attempt * 5))
    done
    echo "setup: going on with the package lists that could be read" >&2
}

apt_install() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
    echo "setup: installing ${missing[*]:-(package lists only)}"
    update_lists
    if [ ${#missing[@]} -gt 0 ] && ! apt_install "${missing[@]}"; then
        # With one architecture's security list missing, a 64-bit library newer than its 32-bit
        # twin cannot be paired with it: take the release's versions of what is installed now.
        release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        echo "setup: installing again from the release suite ($release)" >&2
        if [ -z "$release" ] || ! apt_install -t "$release" "${missing[@]}"; then
            echo "setup: could not install ${missing[*]}; see apt's messages above" >&2
            exit 1
        fi
    fi
fi

# The tests' Wine runs as a Brazilian Windows (tools/wine-run.in): Wine takes the user's locale,
# and with it the date and number formats, from the host's, which must exist for that.
if ! locale -a | grep -qx 'pt_BR.utf8'; then
    echo "setup: generating the pt_BR.UTF-8 locale"
    as_root sed -i 's/^# *pt_BR.UTF-8 UTF-8/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
    as_root locale-gen >/dev/null
fi
