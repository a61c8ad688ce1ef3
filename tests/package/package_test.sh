#!/usr/bin/env bash
# The .deb package as a user gets it, made from the build under test and unpacked (never installed).
#
#   package_test.sh make SCRATCH BUILD_DIR CPACK  makes SCRATCH/drobi_*.deb, unpacked in SCRATCH/root
#   package_test.sh validators SCRATCH            the shipped desktop entry and AppStream metadata
#   package_test.sh contents SCRATCH              the files, their modes and the icons' sizes
#   package_test.sh fields SCRATCH VERSION        the control fields and the file name
#   package_test.sh first_frame SCRATCH HOOK      the unpacked program starts to its first frame
set -euo pipefail

check=$1
scratch=$2
root="$scratch/root"
id=bg.drobi.Drobi
sizes=(16 24 32 48 64 128 256)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh --tests installs it)"
  done
}

# The package a file belongs to, whether dpkg knows it under /usr or under the /lib it links to.
owner() {
  local real
  real=$(readlink -f "$1")
  { dpkg -S "$1" || dpkg -S "$real" || dpkg -S "${real#/usr}"; } 2>/dev/null |
    head -n 1 | cut -d: -f1 || true
}

the_deb() {
  local debs=("$scratch"/*.deb)
  [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one package in $scratch: ${debs[*]}"
  echo "${debs[0]}"
}

case "$check" in
  make)
    need dpkg-deb dpkg-shlibdeps file
    build=$3
    cpack=$4
    rm -rf "$scratch"
    mkdir -p "$scratch"
    "$cpack" -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" </dev/null
    dpkg -x "$(the_deb)" "$root"
    ;;

  validators)
    need desktop-file-validate appstreamcli
    # desktop-file-validate says nothing about a file without faults, not even a hint.
    out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) ||
      fail "desktop-file-validate: $out"
    [[ -z "$out" ]] || fail "desktop-file-validate: $out"
    # The tree as installed: the metadata and the desktop entry it launches; --strict fails on
    # infos and warnings too.
    out=$(appstreamcli validate-tree --no-net --strict "$root" 2>&1) ||
      fail "appstreamcli validate-tree: $out"
    if grep -qE '^ *[EWI]: ' <<<"$out"; then fail "appstreamcli validate-tree: $out"; fi
    ;;

  contents)
    need dpkg-deb file
    expected=("-rwxr-xr-x root/root ./usr/bin/drobi"
      "-rw-r--r-- root/root ./usr/share/applications/$id.desktop"
      "-rw-r--r-- root/root ./usr/share/metainfo/$id.metainfo.xml")
    for size in "${sizes[@]}"; do
      expected+=("-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    done
    # Everything but directories, as "mode owner path".
    actual=$(dpkg-deb -c "$(the_deb)" | awk '$1 !~ /^d/ {print $1, $2, $6}' | sort)
    diff <(printf '%s\n' "${expected[@]}" | sort) - <<<"$actual" || fail "files of the package"
    for size in "${sizes[@]}"; do
      kind=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
      [[ "$kind" == "PNG image data, $size x $size,"* ]] || fail "${size} px icon: $kind"
    done
    ;;

  fields)
    need dpkg-deb dpkg readelf
    version=$3
    deb=$(the_deb)
    arch=$(dpkg --print-architecture)
    [[ "$(basename "$deb")" == "drobi_${version}_${arch}.deb" ]] || fail "file name $deb"
    field() { dpkg-deb -f "$deb" "$1"; }
    [[ "$(field Package)" == drobi ]] || fail "Package: $(field Package)"
    [[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version)"
    [[ "$(field Architecture)" == "$arch" ]] || fail "Architecture: $(field Architecture)"
    [[ "$(field Section)" == education ]] || fail "Section: $(field Section)"
    [[ "$(field Maintainer)" == "drobi maintainers <maintainers@drobi.invalid>" ]] ||
      fail "Maintainer: $(field Maintainer)"
    [[ -z "$(field Homepage)" ]] || fail "Homepage: $(field Homepage)"
    # A summary and a long description, each in English and in Bulgarian.
    description=$(field Description)
    summary=$(head -n 1 <<<"$description")
    long=$(tail -n +2 <<<"$description")
    for text in "$summary" "$long"; do
      LC_ALL=C.UTF-8 grep -qP '\p{Latin}{4}' <<<"$text" &&
        LC_ALL=C.UTF-8 grep -qP '\p{Cyrillic}{4}' <<<"$text" ||
        fail "Description not in both languages: $text"
    done
    # What the program loads without linking to it, and the package of each library it links to
    # (dpkg-shlibdeps at work).
    depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
    wanted=(fonts-liberation2 qt6-translations-l10n)
    program="$root/usr/bin/drobi"
    libraries=$(ldd "$program")
    for name in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
      library=$(awk -v name="$name" '$1 == name {print $3}' <<<"$libraries")
      package=$(owner "$library")
      [[ -n "$package" ]] || fail "no package has $name ($library)"
      wanted+=("$package")
    done
    for package in "${wanted[@]}"; do
      grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
    done
    ;;

  first_frame)
    hook=$3
    program="$root/usr/bin/drobi"
    # A sanitizer's runtime has to be loaded before anything else the program loads.
    preload=$(ldd "$program" | awk '/libasan/ {print $3}')
    preload="${preload:+$preload }$hook"
    status=0
    # Preloaded into the program only: timeout itself, sanitizer runtime preloaded, can hang.
    timeout -k 5 60 env QT_QPA_PLATFORM=offscreen LD_PRELOAD="$preload" "$program" </dev/null ||
      status=$?
    [[ $status -eq 0 ]] || fail "the unpacked program ended with status $status"
    ;;

  *)
    fail "unknown check $check"
    ;;
esac
