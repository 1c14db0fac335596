#!/usr/bin/env bash
# Installs what is missing, then the dev workflow (AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors; every test headless: the
# include, formatting and deb-src checks, core and window tests), the core's
# fuzz targets for a short while, the Debian package (built, checked, and built
# again to the same bytes), and the whole program and its tests under Wine.
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh tests
cmake --workflow --preset dev
bash scripts/fuzz.sh
(umask 022 && cmake --workflow --preset package)
bash scripts/package-again.sh
bash scripts/windows-check.sh
