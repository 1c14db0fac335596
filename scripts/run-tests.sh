#!/usr/bin/env bash
# Checks the Qt source lines offline, installs what is missing, checks the
# includes and the formatting (check-source.sh), builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs every test headless,
# checks the install and the Debian package, then builds the whole program and
# its tests for Windows and runs them under Wine.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

# First, and every time: a cached Windows Qt skips the path this guards.
bash scripts/deb-src-lines-test.sh

bash scripts/install-deps.sh tests
bash scripts/check-source.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-tests
# A stuck test fails after five minutes instead of holding up the run.
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure --timeout 300

bash scripts/package-check.sh
bash scripts/windows-check.sh
