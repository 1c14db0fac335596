#!/usr/bin/env bash
# Installs what is missing, builds the editor, writes the sample images and
# starts the editor in their folder, so the file-open dialog shows them.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh editor
cmake --workflow --preset release
./build-release/tools/makesample sample >/dev/null
cd sample
exec ../build-release/app/velmora-editor
