#!/usr/bin/env bash
# Sets the machine up for the Windows build, cross-compiles drobi.exe and prints its path. The
# file runs on Windows 10 and 11 as it is: no installer, no DLLs beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --windows
cmake --preset windows
cmake --build --preset windows --target drobi
echo "$(pwd)/build-windows/ui/win32/drobi.exe"
