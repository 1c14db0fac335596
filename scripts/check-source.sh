#!/usr/bin/env bash
# Checks what the compiler does not: every #include in the six code folders runs
# the way the dependencies do (app -> characters, monsters, drops -> shell,
# catalogue -> core), no file of a folder's Qt-free core (the <folder>_core library its
# CMakeLists.txt lists) includes Qt or a window header, and every tracked C++
# file is formatted as .clang-format says. Prints each file that breaks a rule.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

git rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
    { echo "check-source: FAILED: not a git checkout; it checks the tracked files" >&2; exit 1; }

# The folders each folder may include besides itself.
declare -A uses=([core]="" [shell]="core" [catalogue]="core" [characters]="shell catalogue core"
    [monsters]="shell catalogue core" [drops]="shell catalogue core"
    [app]="characters monsters drops shell catalogue core")

# The files of each Qt-free core, as its add_library(<folder>_core ...) lists them.
core=" shell/version.h " # made from shell/version.h.in: constants only
for folder in "${!uses[@]}"; do
    [ "$folder" = app ] || [ "$folder" = shell ] && continue # windows only
    lib="${folder}_core"
    [ "$folder" = core ] && lib=core
    files=$(awk -v lib="$lib" '$0 ~ "^add_library\\(" lib " " { on = 1 }
        on { print } on && /\)/ { exit }' "$folder/CMakeLists.txt" | grep -oE '[A-Za-z0-9_]+\.(cpp|h)') ||
        { echo "check-source: FAILED: no $lib library with files in $folder/CMakeLists.txt" >&2; exit 1; }
    for file in $files; do core+="$folder/$file "; done
done

problems=()
while IFS= read -r file; do
    folder=${file%%/*}
    while IFS=: read -r line text; do
        [[ "$text" =~ include[[:space:]]*([\<\"])([^\>\"]+) ]] || continue
        header=${BASH_REMATCH[2]}
        [ "$header" = version.h ] && header=shell/version.h
        # A quoted name without a folder is looked up beside the file first.
        [[ "${BASH_REMATCH[1]}" == '"' && "$header" != */* ]] && header="$folder/$header"
        where="$file:$line: ${text%%[[:space:]]//*}"
        if [[ "$text" =~ include[[:space:]]*\<Q ]]; then
            [[ "$core" == *" $file "* ]] && problems+=("$where: Qt in the Qt-free core")
            continue
        fi
        to=${header%%/*}
        [ "$to" = "$header" ] || [ -z "${uses[$to]+set}" ] && continue # a system header
        if [ "$to" != "$folder" ] && [[ " ${uses[$folder]} " != *" $to "* ]]; then
            allowed="$folder/"
            for used in ${uses[$folder]}; do allowed+=", $used/"; done
            problems+=("$where: against the dependencies ($folder/ may include $allowed only)")
        elif [[ "$core" == *" $file "* && "$core" != *" $header "* ]]; then
            problems+=("$where: a window header in the Qt-free core")
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
echo "check-source: PASS (includes one way, cores without Qt, formatting)"
