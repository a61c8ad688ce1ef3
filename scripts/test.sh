#!/usr/bin/env bash
# Sets the machine up, builds everything (the Windows build and the page too) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
cmake --preset default
cmake --build --preset default
ctest --preset default
# drobi.exe cross-compiled for Windows, and its tests under Wine.
cmake --preset windows
cmake --build --preset windows
ctest --preset windows
# The page compiled with Emscripten, its tests under node and in headless Chromium.
cmake --preset web
cmake --build --preset web
ctest --preset web
