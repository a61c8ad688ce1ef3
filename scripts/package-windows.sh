#!/usr/bin/env bash
# Sets the machine up for the Windows build, builds the release drobi.exe and its Windows
# Installer package, build-windows/drobi-<version>-x64.msi, and prints the package's path. It
# installs per machine, silently too: msiexec /i drobi-<version>-x64.msi /qn
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --windows
cmake --preset windows
rm -f build-windows/drobi-*-x64.msi
cmake --build --preset windows --target drobi_msi
msis=(build-windows/drobi-*-x64.msi)
[[ ${#msis[@]} -eq 1 && -f ${msis[0]} ]] || { echo "no package in build-windows/" >&2; exit 1; }
realpath "${msis[0]}"
