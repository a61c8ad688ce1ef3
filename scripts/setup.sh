#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the window need; only those missing.
#
#   scripts/setup.sh             the build and the window
#   scripts/setup.sh --tests     also what only the tests use: the package checks, the Windows
#                                build run under Wine, the page (--web) and the Orca screen reader
#   scripts/setup.sh --package   also what making the .deb package takes (scripts/package.sh)
#   scripts/setup.sh --windows   also the cross compiler of drobi.exe, GoogleTest's sources, the
#                                icon tools (scripts/build-windows.sh) and the Windows Installer
#                                package's tools (scripts/package-windows.sh)
#   scripts/setup.sh --bench     also the start-up benchmark's tools (bench/startup.sh)
#   scripts/setup.sh --web       also Emscripten for the page (scripts/build-web.sh), and node,
#                                Chromium with its driver and Selenium for its tests
# The options combine.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkgconf locales
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-liberation2 librsvg2-bin
  xvfb xauth xdotool
)
package_packages=(dpkg-dev file)
windows_packages=(g++-mingw-w64-x86-64-posix googletest imagemagick icoutils wixl msitools)
# The page: Debian's emscripten (with binaryen), GoogleTest's sources built by it, node to run its
# tests, and headless Chromium driven by Selenium from Debian's own python3.
web_packages=(emscripten binaryen nodejs googletest chromium chromium-driver python3-selenium)
test_packages=(desktop-file-utils appstream wine64 wine fonts-wine "${package_packages[@]}"
  "${windows_packages[@]}" "${web_packages[@]}")
# The screen reader's test: Orca, the accessibility bus and a D-Bus session of its own; Chromium
# in Bulgarian for the page's case (without it Chromium reports en-US and the page writes 0.0390).
test_packages+=(orca at-spi2-core dbus-daemon procps chromium-l10n)
# The worksheets read back from their PDFs.
test_packages+=(poppler-utils)
bench_packages=(hyperfine valgrind time jq)

for option in "$@"; do
  case "$option" in
    --tests) packages+=("${test_packages[@]}") ;;
    --package) packages+=("${package_packages[@]}") ;;
    --windows) packages+=("${windows_packages[@]}") ;;
    --bench) packages+=("${bench_packages[@]}") ;;
    --web) packages+=("${web_packages[@]}") ;;
    *)
      echo "usage: scripts/setup.sh [--tests] [--package] [--windows] [--bench] [--web]" >&2
      exit 2
      ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  as_root=()
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq </dev/null
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# The tests read numbers under a comma locale too, as the window toolkit sets one from the user's.
if ! locale -a 2>/dev/null | grep -qi '^bg_BG\.utf-\?8$'; then
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  if [[ -f /etc/locale.gen ]] && command -v locale-gen >/dev/null; then
    "${as_root[@]}" sed -i 's/^# *\(bg_BG\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^bg_BG\.UTF-8 UTF-8' /etc/locale.gen || echo 'bg_BG.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen >/dev/null
  fi
fi
