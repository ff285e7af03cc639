#!/usr/bin/env bash
# Configures and builds Vexamat (programs, default data folder, tests, benchmarks) in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
