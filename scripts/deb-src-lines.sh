#!/usr/bin/env bash
# Prints the deb-src lines for this release's own archive, made from the
# entries in an apt folder: one-line sources.list and *.list files, deb822
# *.sources files, or both. Entries signed by a key other than the
# distribution's archive keyring belong to other vendors and are left out, so
# one of their repositories failing cannot stop the Qt build.
#   deb-src-lines.sh [apt-folder [codename [archive-keyring]]]
# Defaults: /etc/apt, and the codename and keyring of this machine's release.
. "$(dirname "$0")/strict.sh"

[ $# -ge 3 ] || . /etc/os-release
apt_dir=${1:-/etc/apt}
release=${2:-$VERSION_CODENAME}
keyring=${3:-/usr/share/keyrings/$ID-archive-keyring.gpg}

shopt -s nullglob
one_line=("$apt_dir"/sources.list.d/*.list)
[ -f "$apt_dir/sources.list" ] && one_line=("$apt_dir/sources.list" "${one_line[@]}")
deb822=("$apt_dir"/sources.list.d/*.sources)

# "deb [option=value ...] URI suite component...": the release's suites
# (bookworm, bookworm-updates, ...), unsigned or signed by the archive keyring.
one_line_entries() {
    awk -v release="$release" -v keyring="$keyring" '
        { sub(/#.*/, "") }
        ($1 != "deb" && $1 != "deb-src") || $2 ~ /^cdrom:/ { next }
        {
            signed = ""; i = 2
            if ($2 ~ /^\[/) {
                for (; i <= NF; i++) {
                    option = $i; gsub(/[][]/, "", option)
                    if (option ~ /^signed-by=/) signed = substr(option, 11)
                    if ($i ~ /\]$/) break
                }
                i++
            }
            if (i + 2 > NF) next
            suite = $(i + 1)
            if (suite != release && index(suite, release "-") != 1) next
            if (signed != "" && signed != keyring) next
            line = "deb-src " $i " " suite
            for (c = i + 2; c <= NF; c++) line = line " " $c
            print line
        }' "$@"
}

# deb822 stanzas, separated by blank lines; field names in any case, a
# continuation line (an inline key) starts with a space.
deb822_entries() {
    local file
    for file; do sed 's/^[[:space:]]*$//' "$file" && echo; done | awk -v release="$release" -v keyring="$keyring" '
        function flush(   nu, ns, u, s, a, b) {
            if (tolower(field["enabled"]) != "no" && field["types"] ~ /(^| )deb(-src)?( |$)/ &&
                (!("signed-by" in field) || field["signed-by"] == keyring)) {
                nu = split(field["uris"], u, " "); ns = split(field["suites"], s, " ")
                for (a = 1; a <= nu; a++) for (b = 1; b <= ns; b++)
                    if (s[b] == release || index(s[b], release "-") == 1)
                        print "deb-src " u[a] " " s[b] " " field["components"]
            }
            split("", field); name = ""
        }
        /^$/ { flush(); next }
        /^#/ { next }
        /^[ \t]/ { if (name != "") field[name] = field[name] " " $0; next }
        {
            name = tolower($0); sub(/:.*/, "", name)
            value = $0; sub(/^[^:]*:[ \t]*/, "", value); sub(/[ \t]+$/, "", value)
            gsub(/[ \t]+/, " ", value)
            field[name] = value
        }
        END { flush() }'
}

lines=$({
    [ ${#one_line[@]} -eq 0 ] || one_line_entries "${one_line[@]}"
    [ ${#deb822[@]} -eq 0 ] || deb822_entries "${deb822[@]}"
} | sort -u)

if [ -z "$lines" ]; then
    cat >&2 <<EOF
No archive entry for $release found in $apt_dir: looked for "deb" lines in
sources.list and sources.list.d/*.list, and "Types: deb" stanzas in
sources.list.d/*.sources, for suite $release or $release-*, unsigned or signed by
$keyring. Add the distribution's source entry, for example:
    echo 'deb-src http://deb.debian.org/debian $release main' | sudo tee $apt_dir/sources.list.d/$release-src.list
(on Ubuntu: deb-src http://archive.ubuntu.com/ubuntu $release universe)
EOF
    exit 1
fi
echo "$lines"
