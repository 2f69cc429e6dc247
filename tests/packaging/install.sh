#!/usr/bin/env bash
# Installs the build tree into a scratch root and checks that every file is in place: the
# executables runnable, the icons of the size their folder names, the manual pages readable,
# and nothing installed that the list does not know (headers, static libraries, test programs).
# usage: install.sh BUILD_DIR ROOT
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 root=$2
prefix=/usr

for exe in src/app/pelnix src/app/pelnix-cli; do
  [[ -x $build/$exe ]] || { echo "FAIL: $build/$exe is not built; build the pelnix and pelnix-cli targets first" >&2; exit 1; }
done

rm -rf "$root"
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >/dev/null

while read -r f; do
  [[ -s $root$prefix/$f ]] || fail "missing or empty: $prefix/$f"
done < <(expected_files)

while read -r f; do
  rel=${f#"$root$prefix/"}
  grep -qxF "$rel" <(expected_files) || fail "installed but not expected: $prefix/$rel"
done < <(find "$root" -type f -o -type l)

for exe in pelnix pelnix-cli; do
  [[ -x $root$prefix/bin/$exe ]] || fail "not executable: $prefix/bin/$exe"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for png in "$root$prefix"/share/icons/hicolor/*/apps/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ "${w}x${h}" == "$size" ]] || fail "$png is ${w}x${h}, not $size"
done

for page in "$root$prefix"/share/man/man1/*.gz; do
  gzip -dc "$page" | sed -n 1p | grep '^\.TH ' >/dev/null || fail "not a compressed manual page: $page"
done

"$root$prefix/bin/pelnix-cli" --version | grep '^pelnix-cli ' >/dev/null || fail "installed pelnix-cli --version does not answer"

finish
