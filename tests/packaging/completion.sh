#!/usr/bin/env bash
# Drives the installed bash completion of pelnix-cli and pelnix as bash would: commands first,
# then each command's options, option values, and only project files and folders as arguments.
# usage: completion.sh ROOT
set -uo pipefail
source "$(dirname "$0")/common.sh"
root=$1
dir=$root/usr/share/bash-completion/completions
source "$dir/pelnix-cli" && source "$dir/pelnix" || { echo "FAIL: completions not installed in $root" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir projects && touch fan.PXF pump.pxf notes.txt projects/a.PXF

# complete FUNCTION WORD... : the last word is the one being completed; prints the sorted answers.
complete_words() {
  local function=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$function"
  printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' '
}

expect() {
  local want=$1
  shift
  local got
  got=$(complete_words "$@")
  [[ $got == "$want" ]] || fail "completing '${*:2}': got '$got', want '$want'"
}

expect '--help --version check estimate report' _pelnix_cli pelnix-cli ''
expect '--help --version' _pelnix_cli pelnix-cli --
expect 'estimate' _pelnix_cli pelnix-cli es
expect '--answer --help --json' _pelnix_cli pelnix-cli estimate --
expect '--answer --dpi --format --graph-type --help --output -o' _pelnix_cli pelnix-cli report -
expect '--answer --help' _pelnix_cli pelnix-cli check --
expect 'bmp gif html jpg pdf rtf tif' _pelnix_cli pelnix-cli report --format ''
expect '1 2 3 4 5 6' _pelnix_cli pelnix-cli report --graph-type ''
expect 'cancel ok' _pelnix_cli pelnix-cli check --answer ''
expect 'fan.PXF projects pump.pxf' _pelnix_cli pelnix-cli check ''
expect 'fan.PXF projects pump.pxf' _pelnix_cli pelnix-cli report -o out.pdf --format pdf ''
expect 'fan.PXF notes.txt projects pump.pxf' _pelnix_cli pelnix-cli report -o ''
expect 'fan.PXF notes.txt projects pump.pxf' _pelnix_cli pelnix-cli report --output ''
expect '150' _pelnix_cli pelnix-cli report --dpi 1
expect 'projects/a.PXF' _pelnix_cli pelnix-cli estimate --json projects/
expect 'fan.PXF projects pump.pxf' _pelnix pelnix ''
finish
