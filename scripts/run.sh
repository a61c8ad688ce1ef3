#!/usr/bin/env bash
# Sets the machine up, builds the program and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
cmake --build --preset default
if [[ -x build/ui/drobi ]]; then
  exec build/ui/drobi
fi
echo "Built the computations and their tests; the window is not part of this build yet."
