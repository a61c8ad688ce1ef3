#!/usr/bin/env bash
# Starts the program under Xvfb (X11, as on a desktop) and saves what the display shows as a PNG.
#   screenshot.sh <drobi_screenshot> <out.png>            the window
#   screenshot.sh <drobi_screenshot> <out.png> --zoom     the window zoomed to 200 %, on a
#       classroom projector's 1280 × 800
#   screenshot.sh <drobi_screenshot> <out.png> --tooltip  the window and the hover text that a
#       real pointer (xdotool) over a digit of the long number brings up; fails when that hover
#       text is not readable
set -euo pipefail
program=$1
out=$2
mode=${3:-}

rm -f "$out"
# 96 dpi: the window's twips-to-pixels layout assumes it, as the 12 pt font does.
xvfb=(xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -dpi 96")
if [[ $mode == --tooltip ]]; then
  command -v xdotool >/dev/null || { echo "missing xdotool: run scripts/setup.sh" >&2; exit 1; }
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  # The program prints where the pointer must go; xdotool moves the server's pointer there.
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "${xvfb[@]}" bash -c '
    "$1" --tooltip "$2" >"$3" &
    program=$!
    for _ in $(seq 100); do
      at=$(grep -m1 "^hover " "$3" || true)
      [[ -n $at ]] && break
      sleep 0.1
    done
    if [[ -n $at ]]; then
      read -r _ x y <<<"$at"
      xdotool mousemove "$((x - 3))" "$((y - 2))"
      sleep 0.2
      xdotool mousemove "$x" "$y"
    fi
    wait "$program"' _ "$program" "$out" "$log" || { cat "$log"; exit 1; }
  cat "$log"
elif [[ $mode == --zoom ]]; then
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run --auto-servernum \
    --server-args="-screen 0 1280x800x24 -dpi 96" "$program" --zoom "$out"
else
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "${xvfb[@]}" "$program" "$out"
fi

if [[ "$(head -c 8 "$out" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != "89504e470d0a1a0a" ]]; then
  echo "no PNG screenshot in $out" >&2
  exit 1
fi
echo "screenshot: $out"
