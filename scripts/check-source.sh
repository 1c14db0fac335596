#!/usr/bin/env bash
# Checks what the compiler does not: every #include runs the way the link lines
# do, no file of a target that links no Qt includes Qt or a window header, and
# every tracked C++ file is formatted as .clang-format says. Prints each file
# that breaks a rule. The rule is the link lines, as CMake writes them out at
# configure time (cmake/layers.cmake):
#   check-source.sh [layers.txt, default: the dev preset's, configured first]
. "$(dirname "$0")/strict.sh"
layers=${1:-}
cd "$(dirname "$0")/.."
if [ -z "$layers" ]; then
    cmake --preset dev >/dev/null
    layers=build-dev/layers.txt
fi

git rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
    { echo "check-source: FAILED: not a git checkout; it checks the tracked files" >&2; exit 1; }

declare -A uses=()
qtfree=""
while read -r kind folder rest; do
    case "$kind" in
    uses) uses[$folder]="$rest" ;;
    qtfree) qtfree=" $folder $rest " ;;
    esac
done <"$layers"

problems=()
while IFS= read -r file; do
    folder=${file%%/*}
    while IFS=: read -r line text; do
        [[ "$text" =~ include[[:space:]]*([\<\"])([^\>\"]+) ]] || continue
        header=${BASH_REMATCH[2]}
        # A quoted name without a folder is looked up beside the file; one not
        # there (version.h) is generated, constants only.
        if [[ "${BASH_REMATCH[1]}" == '"' && "$header" != */* ]]; then
            header="$(dirname "$file")/$header"
            [ -f "$header" ] || continue
        fi
        where="$file:$line: ${text%%[[:space:]]//*}"
        if [[ "$text" =~ include[[:space:]]*\<Q ]]; then
            [[ "$qtfree" == *" $file "* ]] && problems+=("$where: Qt in a file of a library without Qt")
            continue
        fi
        to=${header%%/*}
        [ "$to" = "$header" ] || [ -z "${uses[$to]+set}" ] && continue # a system header
        if [ "$to" != "$folder" ] && [[ " ${uses[$folder]} " != *" $to "* ]]; then
            allowed="$folder/"
            for used in ${uses[$folder]}; do allowed+=", $used/"; done
            problems+=("$where: against the link lines ($folder/ may include $allowed only)")
        elif [[ "$qtfree" == *" $file "* && "$qtfree" != *" $header "* ]]; then
            problems+=("$where: a window header in a file of a library without Qt")
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(git ls-files -- "${!uses[@]}" | grep -E '\.(cpp|h)$')

# Debian's clang-format 14, which the .clang-format was written for.
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
    problems+=("clang-format is missing: bash scripts/install-deps.sh tests installs it")
else
    # One run over all files; it reports each difference as "file:line:column: warning: ...".
    report=$(git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$format" --dry-run 2>&1) ||
        { printf '%s\n' "$report" >&2; echo "check-source: FAILED: $format did not run" >&2; exit 1; }
    for file in $(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' \
        <<<"$report" | sort -u); do
        problems+=("$file: not formatted as .clang-format says ($(basename "$format") -i $file)")
    done
fi

if [ ${#problems[@]} -gt 0 ]; then
    printf 'check-source: %s\n' "${problems[@]}" >&2
    echo "check-source: FAILED: ${#problems[@]} problem(s)" >&2
    exit 1
fi
echo "check-source: PASS (includes as the link lines go, no Qt where none is linked, formatting)"
