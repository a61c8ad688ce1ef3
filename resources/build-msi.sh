#!/usr/bin/env bash
# Builds the Windows Installer package of drobi.exe from resources/drobi.wxs:
#
#   resources/build-msi.sh VERSION DROBI.EXE DROBI.ICO OUTPUT.msi
#
# wixl 0.101 drops an attribute it does not know with only a warning, so any word from it fails
# the build. It also loses text outside ASCII: the Bulgarian names are written afterwards with
# msibuild into a package whose strings are in code page 1251, and read back. Nor does it know
# MajorUpgrade's AllowSameVersionUpgrades: each build has a product code of its own, so a rebuild
# of the same version would install beside the one a school has, as a second entry; the upgrade
# row is made again to take in its own version too (attribute 512 added to 1).
set -euo pipefail
if (($# != 4)); then
  echo "usage: resources/build-msi.sh VERSION DROBI.EXE DROBI.ICO OUTPUT.msi" >&2
  exit 2
fi
version=$1 output=$4
source_dir=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath --relative-to="$source_dir" "$2")
icon=$(realpath --relative-to="$source_dir" "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wixl --arch x64 -D "Version=$version" -D "Exe=$exe" -D "Icon=$icon" -o "$work/drobi.msi" \
  "$source_dir/drobi.wxs" 2>"$work/wixl.log" || { cat "$work/wixl.log" >&2; exit 1; }
if [[ -s "$work/wixl.log" ]]; then
  cat "$work/wixl.log" >&2
  echo "build-msi.sh: wixl warned; the package would miss what it ignored" >&2
  exit 1
fi

upgrade_code=$(msiinfo export "$work/drobi.msi" Property | tr -d '\r' |
  awk -F '\t' '$1 == "UpgradeCode" { print $2 }')
name='Дроби'
refusal="Вече е инсталирана по-нова версия на $name."
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/drobi.msi" -i "$work/_ForceCodepage.idt" \
  -q "UPDATE \`Property\` SET \`Value\` = '$name' WHERE \`Property\` = 'ProductName'" \
  -q "UPDATE \`Shortcut\` SET \`Name\` = 'drobi|$name' WHERE \`Shortcut\` = 'StartMenu'" \
  -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
  -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`)
      VALUES ('$upgrade_code', '$version', 513, 'WIX_UPGRADE_DETECTED')" \
  -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$refusal'
      WHERE \`Condition\` = 'NOT WIX_DOWNGRADE_DETECTED'"
msiinfo export "$work/drobi.msi" Property | tr -d '\r' | grep -qx "ProductName	$name" || {
  echo "build-msi.sh: the product name did not take" >&2
  exit 1
}
mv "$work/drobi.msi" "$output"
