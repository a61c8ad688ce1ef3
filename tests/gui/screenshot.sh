#!/usr/bin/env bash
# Starts the program under Xvfb (X11, as on a desktop), and saves what the display shows of its
# window as a PNG:  screenshot.sh <program> <out.png>
set -euo pipefail
program=$1
out=$2

rm -f "$out"
# 96 dpi: the window's twips-to-pixels layout assumes it, as the 12 pt font does.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DROBI_SCREENSHOT="$out" \
  xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96" "$program"

if [[ "$(head -c 8 "$out" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != "89504e470d0a1a0a" ]]; then
  echo "no PNG screenshot in $out" >&2
  exit 1
fi
echo "screenshot: $out"
