#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# BUILD_DIR and CMAKE_ARGS may be set, e.g. CMAKE_ARGS=-DTV_SANITIZE=ON BUILD_DIR=build-asan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build="${BUILD_DIR:-build}"
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
