#!/usr/bin/env bash
# Sets the machine up, builds the program and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
cmake --build --preset default --target drobi
exec build/ui/qt/drobi "$@"
