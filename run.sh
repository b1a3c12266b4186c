#!/bin/sh
# Installs what is missing, builds and starts the program.
set -e
cd "$(dirname "$0")"
sh tools/install-deps.sh
sh tools/build.sh
exec ./build/contrats "$@"
