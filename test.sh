#!/bin/sh
# Installs what is missing, builds, then runs every test headless.
set -e
cd "$(dirname "$0")"
sh tools/install-deps.sh
sh tools/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j 2 "$@"
