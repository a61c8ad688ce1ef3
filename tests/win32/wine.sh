#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, as ctest's emulator for the Windows build:
#
#   tests/win32/wine.sh WINE_DIR PROGRAM [ARGUMENT...]
#
# WINE_DIR (in the build folder) holds the Wine prefix, made on first use, with the settings of
# wine-prefix.reg beside this script: "Times New Roman" drawn with Liberation Serif as on Windows,
# a Wine desktop for the windows, no crash dialog. Each run is a Wine session of its own on a
# display of its own (xvfb-run): Wine needs a display, and the session's wineserver is ended with
# the run, so nothing is left running. Runs take turns on the prefix.
#
# From the environment: DROBI_WINE_DPI, the screen's dots per inch (96 unless given);
# DROBI_WINE_TIMEOUT, the seconds the program may run (300); LC_ALL and LANG as Wine reads them
# for the user's regional settings.
set -euo pipefail

if [[ "${1:-}" == --in-session ]]; then
  shift
  dir=$1
  shift
  export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true' EXIT
  wine_call() { timeout "$1" wine "${@:2}"; }
  if [[ ! -f "$WINEPREFIX/drobi-prefix-ready" ]]; then
    wine_call 300 wineboot --init >/dev/null 2>&1
    echo 96 >"$dir/dpi"
    touch "$WINEPREFIX/drobi-prefix-ready"
  fi
  settings="$(dirname "$0")/wine-prefix.reg"
  if ! cmp -s "$settings" "$WINEPREFIX/drobi-settings.reg"; then
    wine_call 120 regedit /S "$settings" >/dev/null 2>&1
    cp "$settings" "$WINEPREFIX/drobi-settings.reg"
  fi
  dpi=${DROBI_WINE_DPI:-96}
  if [[ "$(cat "$dir/dpi" 2>/dev/null)" != "$dpi" ]]; then
    wine_call 120 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1
    echo "$dpi" >"$dir/dpi"
  fi
  status=0
  wine_call "${DROBI_WINE_TIMEOUT:-300}" "$@" || status=$?
  ((status != 124)) || echo "wine.sh: $1 did not end within ${DROBI_WINE_TIMEOUT:-300} s" >&2
  exit "$status"
fi

if (($# < 2)); then
  echo "usage: tests/win32/wine.sh WINE_DIR PROGRAM [ARGUMENT...]" >&2
  exit 2
fi
dir=$1
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
program=$(realpath "$2")
exec 9>"$dir/lock"
flock 9
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -nolisten tcp" \
  "$(realpath "$0")" --in-session "$dir" "$program" "${@:3}"
