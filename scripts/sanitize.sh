#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (any finding ends the test
# that made it) and runs every test under them, leak checking included.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
