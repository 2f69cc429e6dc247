#!/usr/bin/env bash
# Checks that the installed MIME package makes project files known: by the extension in either
# letter case, and by the "[FILE INFO]" header when the name says nothing.
# usage: mime.sh ROOT MIMEPROBE
set -euo pipefail
source "$(dirname "$0")/common.sh"
root=$1 probe=$2
share=$root/usr/share
[[ -f $share/mime/packages/com.vendram.Pelnix.xml ]] || { echo "FAIL: nothing installed in $root" >&2; exit 1; }
command -v update-mime-database >/dev/null || skip "update-mime-database is not installed (package shared-mime-info)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The cache is built in a copy, so the installed tree stays as the package ships it.
mkdir -p "$work/share/mime"
cp -r "$share/mime/packages" "$work/share/mime/"
update-mime-database "$work/share/mime" >"$work/update.log" 2>&1 ||
  { cat "$work/update.log" >&2; echo "FAIL: update-mime-database rejects the package" >&2; exit 1; }

mkdir "$work/files"
# The head of a saved project, as the program writes it.
example=$work/project-head
printf '[FILE INFO]\r\n\r\nFILE TYPE  : PELNIX ENERGY FILE 1.03\r\n\r\n[APPLICATION]\r\n\r\nFAN\r\n' >"$example"
cp "$example" "$work/files/upper.PXF"
cp "$example" "$work/files/lower.pxf"
cp "$example" "$work/files/no-extension"
cp "$root/usr/share/doc/pelnix/examples/fan-example.PXF" "$work/files/fan-example"
printf 'some other text\r\n' >"$work/files/plain-no-extension"
printf 'not a project\r\n' >"$work/files/odd-content.pxf"

declare -A want=(
  [upper.PXF]=application/x-pelnix-project
  [lower.pxf]=application/x-pelnix-project
  [no-extension]=application/x-pelnix-project
  [fan-example]=application/x-pelnix-project
  [odd-content.pxf]=application/x-pelnix-project
  [plain-no-extension]=text/plain
)
paths=()
for name in "${!want[@]}"; do paths+=("$work/files/$name"); done
seen=0
while read -r file type; do
  name=$(basename "$file")
  seen=$((seen + 1))
  [[ $type == "${want[$name]}" ]] || fail "$name is detected as $type, not ${want[$name]}"
done < <(XDG_DATA_HOME=$work/empty XDG_DATA_DIRS=$work/share:/usr/share QT_QPA_PLATFORM=offscreen "$probe" "${paths[@]}")
((seen == ${#want[@]})) || fail "the probe answered for $seen of ${#want[@]} files"
finish
