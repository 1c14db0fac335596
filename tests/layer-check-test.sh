#!/usr/bin/env bash
# The include check must fail on each fault below, injected into a scratch copy
# of the tracked files, and name the file and the rule it breaks.
#   layer-check-test.sh <layers.txt>
. "$(dirname "$0")/../scripts/strict.sh"
layers=$(realpath "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file | line added after its first #include | what the check must say
faults=(
    'shell/Form2.cpp|#include "characters/Form3.h"|#include "characters/Form3.h": against the link lines'
    'catalogue/ItemBox.cpp|#include "shell/EditorDialog.h"|#include "shell/EditorDialog.h": against the link lines'
    'core/numbertext.h|#include <QString>|#include <QString>: Qt in a file of a library without Qt'
    'characters/characterrecord.h|#include "shell/EditorDialog.h"|a window header in a file of a library without Qt'
)
failed=0
for fault in "${faults[@]}"; do
    IFS='|' read -r file line expected <<<"$fault"
    rm -rf "$work/tree"
    mkdir "$work/tree"
    git ls-files -z | xargs -0 cp --parents -t "$work/tree"
    sed -i "0,/^#include/{/^#include/a $line
}" "$work/tree/$file"
    (cd "$work/tree" && git init -q && git add -A)
    if bash "$work/tree/scripts/check-source.sh" "$layers" >"$work/out" 2>&1; then
        echo "FAIL: the check passed with $line in $file"
        failed=1
    elif ! grep -qF "$expected" "$work/out"; then
        echo "FAIL: with $line in $file the check did not say '$expected' but:"
        cat "$work/out"
        failed=1
    else
        grep -F "$expected" "$work/out"
    fi
done
exit $failed
