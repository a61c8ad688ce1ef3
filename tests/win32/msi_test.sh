#!/usr/bin/env bash
# The Windows Installer package, built with resources/build-msi.sh from the drobi.exe under test:
# first what it holds (msiinfo, msiextract), then under Wine, in a prefix of its own made afresh,
# what a silent install, a rebuild of the same version, an upgrade to a higher version, a refused
# downgrade and a removal leave behind, each timed. The higher version holds drobi.exe with bytes
# appended, so that the file it leaves can be told from the older one.
#
#   tests/win32/msi_test.sh BUILD_MSI VERSION DROBI.EXE DROBI.ICO WORK_DIR
set -euo pipefail
export LC_ALL=C.UTF-8
(($# == 5)) || { echo "usage: msi_test.sh BUILD_MSI VERSION EXE ICO WORK_DIR" >&2; exit 2; }
if [[ -z "${DROBI_MSI_SESSION:-}" ]]; then
  DROBI_MSI_SESSION=1 exec xvfb-run --auto-servernum \
    --server-args="-screen 0 1024x768x24 -nolisten tcp" "$(realpath "$0")" "$@"
fi
build_msi=$(realpath "$1") version=$2 exe=$(realpath "$3") icon=$(realpath "$4") work=$5
name='Дроби' publisher='drobi maintainers' upgrade_code='{4530569A-9F00-44C5-92A4-FC391702EFAF}'
IFS=. read -r major minor patch <<<"$version"
newer="$major.$minor.$((patch + 1))"

fail() {
  echo "msi_test.sh: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
cd "$work"
cp "$exe" newer.exe
printf 'drobi %s\n' "$newer" >>newer.exe
"$build_msi" "$version" "$exe" "$icon" drobi.msi
"$build_msi" "$version" "$exe" "$icon" rebuilt.msi
"$build_msi" "$newer" newer.exe "$icon" newer.msi

# What the package holds.
table() { msiinfo export drobi.msi "$1" | tr -d '\r' | tail -n +4; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | grep '^ProductCode	'; }
[[ "$(product_code drobi.msi)" != "$(product_code rebuilt.msi)" ]] ||
  fail "a rebuild has the same product code: installing it would change nothing"
for row in "ALLUSERS	1" "ProductName	$name" "ProductVersion	$version" "Manufacturer	$publisher" \
  "UpgradeCode	$upgrade_code" "ARPPRODUCTICON	drobi.ico" "ARPNOMODIFY	1" "ARPNOREPAIR	1"; do
  table Property | grep -qxF "$row" || fail "no property row '$row'"
done
msiinfo suminfo drobi.msi | grep -qx 'Template: x64;1033' || fail "not a 64-bit package in English"
[[ -n "$(table Component)" ]] || fail "no components"
# Attribute 256: the component is 64-bit, so Windows puts it in the 64-bit folders and registry.
bits32=$(table Component | awk -F '\t' 'int($4 / 256) % 2 == 0 { print $1 }')
[[ -z "$bits32" ]] || fail "32-bit components: $bits32"
shortcut="^StartMenu\tProgramMenuFolder\t[^|\t]*\|$name\tProgram\t\[#drobi\.exe\]\t"
table Shortcut | grep -qP "$shortcut" ||
  fail "no plain Start menu shortcut «$name» to drobi.exe"
table Upgrade | grep -q "^$upgrade_code	" || fail "no upgrade of older versions"
table LaunchCondition | grep -q "нова версия на $name\.$" || fail "no refusal of a downgrade"
# msiextract names the 64-bit Program Files by nothing.
[[ "$(msiextract -C extracted drobi.msi)" == Drobi/drobi.exe ]] || fail "files other than drobi.exe"
cmp "$exe" extracted/Drobi/drobi.exe || fail "the packaged drobi.exe is not the built one"

# Under Wine.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# No Mono or Gecko to install, and no menu entries made on this machine from the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The prefix takes 700 MB: only msiexec.log, the last call's log, is kept.
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
timeout 300 wine wineboot --init >/dev/null 2>&1
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Drobi/drobi.exe"

# Runs msiexec silently with its arguments; its status into $status, its time into $seconds.
run_msiexec() {
  local start
  start=$(date +%s%N)
  status=0
  timeout 120 wine msiexec "$@" /qn /l msiexec.log || status=$?
  seconds=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.1f", ns / 1e9 }')
  ((status != 124)) || fail "msiexec $* did not end within 120 s"
}
# The Apps & features entries named «Дроби» into $entries, one line each: version|publisher.
read_entries() {
  rm -f current.reg
  timeout 60 wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion' current.reg /y \
    >/dev/null 2>&1 || fail "reg export failed"
  entries=$(iconv -f UTF-16 -t UTF-8 current.reg | tr -d '\r"' | awk -v name="$name" '
    function flush() { if (uninstall && display == name) print version "|" publisher }
    /^\[/ { flush(); uninstall = $0 ~ /\\Uninstall\\[^\\]*\]$/; display = version = publisher = "" }
    /^DisplayName=/ { display = substr($0, 13) }
    /^DisplayVersion=/ { version = substr($0, 16) }
    /^Publisher=/ { publisher = substr($0, 11) }
    END { flush() }')
}
# Wine puts the shortcut of a package for all users into the user's Start menu.
shortcuts() { find "$drive_c/ProgramData" "$drive_c/users" -name "$name.lnk"; }

run_msiexec /i drobi.msi
((status == 0)) || fail "install: msiexec status $status"
install_seconds=$seconds
cmp "$exe" "$installed" || fail "install: no drobi.exe in C:\\Program Files\\Drobi"
read_entries
[[ "$entries" == "$version|$publisher" ]] || fail "install: Apps & features has '$entries'"
lnk=$(shortcuts)
[[ -n "$lnk" && "$(wc -l <<<"$lnk")" == 1 ]] || fail "install: shortcuts: '$lnk'"
grep -qaF 'C:\Program Files\Drobi\drobi.exe' "$lnk" || fail "install: the shortcut is elsewhere"
icons=$(find "$drive_c/windows/Installer" -name drobi.ico)
[[ -n "$icons" ]] || fail "install: no product icon"
cmp "$icon" "$icons" || fail "install: the product icon is not drobi.ico"

timeout 60 wine "C:\\Program Files\\Drobi\\drobi.exe" &
program=$!
timeout 60 xdotool search --sync --onlyvisible --classname '^drobi\.exe$' >/dev/null ||
  fail "the installed drobi.exe showed no window"
timeout 30 wine taskkill /im drobi.exe >/dev/null
status=0
wait "$program" || status=$?
((status == 0)) || fail "the installed drobi.exe ended with status $status"

# A rebuild of the same version, as a school gets it again, replaces the one installed.
run_msiexec /i rebuilt.msi
((status == 0)) || fail "rebuild: msiexec status $status"
read_entries
[[ "$entries" == "$version|$publisher" ]] || fail "rebuild: Apps & features has '$entries'"

run_msiexec /i newer.msi
((status == 0)) || fail "upgrade: msiexec status $status"
upgrade_seconds=$seconds
cmp newer.exe "$installed" || fail "upgrade: drobi.exe is not the newer one"
read_entries
[[ "$entries" == "$newer|$publisher" ]] || fail "upgrade: Apps & features has '$entries'"
[[ -n "$(shortcuts)" ]] || fail "upgrade: no shortcut"

run_msiexec /i drobi.msi
((status != 0)) || fail "downgrade: msiexec installed the older version"
grep -q '^Property(S): WIX_DOWNGRADE_DETECTED = {' msiexec.log ||
  fail "downgrade: refused with status $status, but not for the newer version"
refusal_seconds=$seconds
cmp newer.exe "$installed" || fail "downgrade: drobi.exe changed"
read_entries
[[ "$entries" == "$newer|$publisher" ]] || fail "downgrade: Apps & features has '$entries'"

run_msiexec /x newer.msi
((status == 0)) || fail "removal: msiexec status $status"
[[ ! -e "$drive_c/Program Files/Drobi" ]] || fail "removal: C:\\Program Files\\Drobi is left"
[[ -z "$(shortcuts)" ]] || fail "removal: the shortcut is left"
read_entries
[[ -z "$entries" ]] || fail "removal: Apps & features has '$entries'"
[[ -z "$(find "$drive_c/windows/Installer" -name drobi.ico)" ]] || fail "removal: the icon is left"

echo "msi: $(stat -c %s drobi.msi) bytes; under Wine: install ${install_seconds} s," \
  "upgrade ${upgrade_seconds} s, refused downgrade ${refusal_seconds} s, removal ${seconds} s"
