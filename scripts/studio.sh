#!/usr/bin/env bash
# Installs what is missing, builds the studio and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tintvale-studio tintvale
exec ./build/bin/tintvale-studio "$@"
