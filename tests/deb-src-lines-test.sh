#!/usr/bin/env bash
# Checks scripts/deb-src-lines.sh (or the script given) offline against sample
# apt folders: deb822 files only, one-line files only, both, neither, and
# other vendors' entries beside the distribution's. A test (label lint), so it
# runs whether or not the Windows Qt is cached.
. "$(dirname "$0")/../scripts/strict.sh"
script=${1:-$(dirname "$0")/../scripts/deb-src-lines.sh}
keyring=/usr/share/keyrings/debian-archive-keyring.gpg

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Writes standard input to the sample file $work/$1.
sample() { mkdir -p "$(dirname "$work/$1")" && cat >"$work/$1"; }

debian_sources() {
    sample "$1/sources.list.d/debian.sources" <<EOF
Types: deb
# http://snapshot.debian.org/archive/debian/20250520T000000Z
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: $keyring

types: deb
URIs: http://deb.debian.org/debian-security
suites: bookworm-security
Components: main
signed-by: $keyring
EOF
}

installer_sources_list() {
    sample "$1/sources.list" <<EOF
#deb cdrom:[Debian GNU/Linux 12.5.0 _Bookworm_ - Official amd64 DVD Binary-1]/ bookworm contrib main
deb http://deb.debian.org/debian/ bookworm main non-free-firmware
deb-src http://deb.debian.org/debian/ bookworm main non-free-firmware

deb [arch=amd64] http://security.debian.org/debian-security bookworm-security main non-free-firmware
deb http://deb.debian.org/debian/ bullseye main
EOF
}

# Other vendors: signed by their own keys, one with an inline key, one switched
# off; files whose names end otherwise are no apt sources at all.
third_parties() {
    sample "$1/sources.list.d/docker.list" <<EOF
deb [arch=amd64 signed-by=/etc/apt/keyrings/docker.gpg] https://download.docker.com/linux/debian bookworm stable
deb [ signed-by=/usr/share/keyrings/other.gpg ] https://example.org/debian bookworm-extra main
EOF
    sample "$1/sources.list.d/vendor.sources" <<EOF
Types: deb
URIs: https://vendor.example.com/apt
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/vendor.gpg

Types: deb
URIs: https://inline.example.com/apt
Suites: bookworm
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOcHwXdfHg
 -----END PGP PUBLIC KEY BLOCK-----

Enabled: no
Types: deb
URIs: http://off.example.com/debian
Suites: bookworm
Components: main
EOF
    sample "$1/sources.list.d/nodesource.sources.disabled-by-farm" <<EOF
Types: deb
URIs: https://deb.nodesource.com/node_20.x
Suites: bookworm
Components: main
EOF
    sample "$1/sources.list.d/old.list.save" <<EOF
deb http://old.example.com/debian bookworm main
EOF
}

debian_sources deb822
third_parties deb822
installer_sources_list one-line
third_parties one-line
debian_sources both
installer_sources_list both
third_parties neither

deb822_lines="deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main"
one_line_lines="deb-src http://deb.debian.org/debian/ bookworm main non-free-firmware
deb-src http://security.debian.org/debian-security bookworm-security main non-free-firmware"

failures=0
check() { # folder expected-status expected-output
    local status=0 output
    output=$(bash "$script" "$work/$1" bookworm "$keyring" 2>"$work/stderr") || status=$?
    if [ "$status" -eq 0 ] && [ "$2" -eq 0 ] && [ "$output" = "$3" ]; then
        echo "deb-src lines, $1: PASS"
    elif [ "$status" -ne 0 ] && [ "$2" -ne 0 ] && grep -q "looked for" "$work/stderr" &&
        grep -q "deb-src http" "$work/stderr"; then
        echo "deb-src lines, $1: PASS (refused: $(head -1 "$work/stderr"))"
    else
        failures=$((failures + 1))
        echo "deb-src lines, $1: FAIL (exit status $status, expected $2)" >&2
        diff <(echo "$3") <(echo "$output") >&2 || true
        cat "$work/stderr" >&2
    fi
}

check deb822 0 "$deb822_lines"
check one-line 0 "$one_line_lines"
check both 0 "$(printf '%s\n' "$deb822_lines" "$one_line_lines" | sort -u)"
check neither 1 ""

if [ "$failures" -ne 0 ]; then
    echo "deb-src lines: $failures of 4 layouts FAILED ($script)" >&2
    exit 1
fi
