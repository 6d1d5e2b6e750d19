#!/usr/bin/env bash
# Installs what the program needs, builds it and starts the launcher.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
# shellcheck disable=SC2086
parlovex_install $PARLOVEX_RUNTIME_PACKAGES
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPARLOVEX_TESTS=OFF
cmake --build build-release -j"$(nproc)"
exec build-release/bin/parlovex "$@"
