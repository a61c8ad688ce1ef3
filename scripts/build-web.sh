#!/usr/bin/env bash
# Sets the machine up for the page, compiles it to WebAssembly and prints the folder that holds
# index.html, drobi.js and drobi.wasm: static files that any web server serves as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --web
cmake --preset web
cmake --build --preset web --target drobi
echo "$(pwd)/build-web/ui/web/page"
