#!/usr/bin/env bash
# Installs what is missing, checks the includes and the formatting
# (check-source.sh), builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test headless, checks the install
# and the Debian package, then builds the whole program and its tests for
# Windows and runs them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh tests
bash scripts/check-source.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-tests
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure

bash scripts/package-check.sh
bash scripts/windows-check.sh
