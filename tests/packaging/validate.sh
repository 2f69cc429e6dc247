#!/usr/bin/env bash
# Validates the installed desktop entry and metainfo with the freedesktop tools, and checks that
# the files name each other consistently: the entry's icon, program and MIME type exist in the
# installed tree, and the metainfo launches this entry.
# usage: validate.sh ROOT desktop|metainfo
set -euo pipefail
source "$(dirname "$0")/common.sh"
root=$1 what=$2
share=$root/usr/share
desktop=$share/applications/com.vendram.Pelnix.desktop
metainfo=$share/metainfo/com.vendram.Pelnix.metainfo.xml
[[ -f $desktop && -f $metainfo ]] || { echo "FAIL: nothing installed in $root" >&2; exit 1; }

value() { sed -n "s/^$1=//p" "$desktop"; }

case $what in
  desktop)
    icon=$(value Icon)
    [[ -f $share/icons/hicolor/scalable/apps/$icon.svg && -f $share/icons/hicolor/48x48/apps/$icon.png ]] ||
      fail "Icon=$icon has no scalable and 48x48 icon in hicolor"
    program=$(value Exec | cut -d' ' -f1)
    [[ -x $root/usr/bin/$program ]] || fail "Exec names $program, which is not installed"
    [[ $(value Exec) == *%f* ]] || fail "Exec does not pass the opened file"
    IFS=';' read -r -a types <<<"$(value MimeType)"
    ((${#types[@]})) || fail "no MimeType"
    for t in "${types[@]}"; do
      grep -q "<mime-type type=\"$t\">" "$share"/mime/packages/*.xml || fail "MimeType $t is defined by no installed MIME package"
    done
    command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed (package desktop-file-utils)"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    # What a file manager asks on a double click: which entry opens a project file.
    if command -v update-desktop-database >/dev/null && command -v xdg-mime >/dev/null; then
      work=$(mktemp -d)
      trap 'rm -rf "$work"' EXIT
      mkdir -p "$work/share/applications"
      cp "$desktop" "$work/share/applications/"
      update-desktop-database "$work/share/applications"
      handler=$(XDG_DATA_HOME=$work/none XDG_CONFIG_HOME=$work/config XDG_DATA_DIRS=$work/share XDG_CURRENT_DESKTOP= \
                xdg-mime query default application/x-pelnix-project)
      [[ $handler == "$(basename "$desktop")" ]] || fail "project files open with '$handler'"
    fi
    ;;
  metainfo)
    grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
      fail "metainfo does not launch $(basename "$desktop")"
    grep -q '<id>com.vendram.Pelnix</id>' "$metainfo" || fail "metainfo id does not match its file name"
    command -v appstreamcli >/dev/null || skip "appstreamcli is not installed (package appstream)"
    appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli rejects $metainfo"
    ;;
  *) echo "usage: $0 ROOT desktop|metainfo" >&2; exit 2 ;;
esac
finish
