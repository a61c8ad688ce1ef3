#!/usr/bin/env bash
# The screenshot test: runs drobi_screenshot under Wine and turns the part of the screen it saved
# into a PNG file.
#
#   tests/win32/screenshot.sh WINE_DIR PROGRAM CONVERT OUTPUT.png [--zoom]
set -euo pipefail
wine_dir=$1 program=$2 convert=$3 output=$4
mode=("${@:5}")
bitmap="${output%.png}.bmp"
rm -f "$bitmap" "$output"
"$(dirname "$0")/wine.sh" "$wine_dir" "$program" "${mode[@]}" "$bitmap"
[[ -s "$bitmap" ]] || { echo "screenshot.sh: no screenshot was saved" >&2; exit 1; }
"$convert" "$bitmap" "$output"
rm -f "$bitmap"
echo "screenshot: $output"
