#!/usr/bin/env bash
# Installs what is missing, builds the editor, writes the sample images and
# starts the editor in their folder, so the file-open dialog shows them.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh editor
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF
cmake --build build --target VelmoraEditor makesample
./build/tools/makesample sample >/dev/null
cd sample
exec ../build/app/velmora-editor
