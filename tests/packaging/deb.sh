#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it as dpkg would see it: every file
# of the installation and nothing else, owned by root, binaries stripped; the control fields; and
# a dependency for every shared library the executables load plus the run-time pieces they only
# open (platform, image and SVG plugins, the report fonts, xdg-utils for mail and browser).
# usage: deb.sh CPACK BUILD_DIR OUT_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
cpack=$1 build=$2 out=$3
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"
for exe in src/app/pelnix src/app/pelnix-cli; do
  [[ -x $build/$exe ]] || { echo "FAIL: $build/$exe is not built; build the pelnix and pelnix-cli targets first" >&2; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1) ||
  { cat "$out/cpack.log" >&2; echo "FAIL: cpack -G DEB failed" >&2; exit 1; }
debs=("$out"/*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || { echo "FAIL: cpack made no single .deb in $out" >&2; exit 1; }
deb=${debs[0]}

# Listing: mode owner/group size date time path
listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 ~ /^-/ {print $6}' <<<"$listing" | sed 's|^\./usr/||')
while read -r f; do
  grep -qxF "$f" <<<"$files" || fail "not in the package: /usr/$f"
done < <(expected_files)
while read -r f; do
  grep -qxF "$f" <(expected_files) || fail "in the package but not expected: $f"
done <<<"$files"
awk '$2 != "root/root" {print $6}' <<<"$listing" | grep . && fail "files not owned by root/root"
for exe in pelnix pelnix-cli; do
  grep -E "^-rwxr-xr-x .* \./usr/bin/$exe$" <<<"$listing" >/dev/null || fail "/usr/bin/$exe is not mode 755"
done

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == pelnix ]] || fail "Package is '$(field Package)'"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ -n $(field Version) ]] || fail "no Version"
{
  read -r summary
  read -r first_extended
} < <(field Description)
[[ $summary == *variable-frequency* ]] || fail "Description summary: '$summary'"
[[ -n $first_extended && $first_extended != "$summary" ]] || fail "Description has no extended part of its own"
if command -v dpkg >/dev/null; then
  [[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
fi

depends=$(field Depends)
echo "Depends: $depends"
# Pipelines here read to the end (no grep -q, head or early exit), so pipefail never sees a
# writer killed by SIGPIPE.
depends_on() { tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ :(].*//' | grep -xF "$1" >/dev/null; }
for p in qt6-qpa-plugins qt6-image-formats-plugins libqt6svg6 fonts-liberation xdg-utils; do
  depends_on "$p" || fail "Depends lacks $p"
done

# Each library the executables need must come from a package the Depends names.
unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
if command -v readelf >/dev/null && command -v dpkg >/dev/null; then
  for exe in "$unpacked"/usr/bin/*; do
    readelf -S "$exe" | grep '\.debug_info' >/dev/null && fail "$(basename "$exe") is not stripped"
    while read -r soname; do
      path=$(ldconfig -p | awk -v so="$soname" '$1 == so && !found {print $NF; found = 1}')
      [[ -n $path ]] || { fail "$(basename "$exe") needs $soname, which is not on this system"; continue; }
      package=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | sed -n '1s/:.*//p') || true
      [[ -n $package ]] || package=$(dpkg -S "$path" 2>/dev/null | sed -n '1s/:.*//p') || true
      [[ -n $package ]] || { echo "note: $soname ($path) belongs to no package here"; continue; }
      depends_on "$package" || fail "$(basename "$exe") needs $soname from $package, which Depends lacks"
    done < <(readelf -d "$exe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  done
fi

finish
