#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vexamat. Without --data the program uses the
# per-user data folder (~/.local/share/vexamat), filled from the bundled data on first start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec build/src/app/vexamat "$@"
