#!/usr/bin/env bash
# Makes the Debian package, build-package/drobi_<version>_<architecture>.deb, from a release build
# of its own in build-package/, and prints its path. Install it with: apt install ./<that path>
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DDROBI_BUILD_GUI=ON -DDROBI_BUILD_TESTS=OFF -DDROBI_BUILD_BENCH=OFF
cmake --build build-package
rm -f build-package/*.deb
(cd build-package && cpack -G DEB -B "$PWD" </dev/null)
debs=(build-package/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "no package made in build-package/" >&2; exit 1; }
realpath "${debs[0]}"
