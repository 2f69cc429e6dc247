#!/usr/bin/env bash
# What a double click on a project file does: the file manager runs the desktop entry's Exec line
# with the file's path as one argument. Runs the installed program that way under Xvfb, at twice
# the scale, on a copied example whose name has blanks, and waits for the main window to name the
# file and for the analysis window of its fan application.
# usage: desktop-start.sh ROOT
set -euo pipefail
source "$(dirname "$0")/common.sh"
root=$1
desktop=$root/usr/share/applications/com.vendram.Pelnix.desktop
example=$root/usr/share/doc/pelnix/examples/fan-example.PXF
[[ -f $desktop && -f $example ]] || { echo "FAIL: nothing installed in $root" >&2; exit 1; }
command -v xvfb-run >/dev/null || skip "xvfb-run is not installed (package xvfb)"
command -v xwininfo >/dev/null || skip "xwininfo is not installed (package x11-utils)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$example" "$work/Supply fan project.PXF"

# The Exec line with the program resolved in the scratch root and %f replaced by the path.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
read -r -a words <<<"$exec_line"
command_line=("$root/usr/bin/${words[0]}")
for w in "${words[@]:1}"; do
  [[ $w == %f ]] && command_line+=("$work/Supply fan project.PXF") || command_line+=("$w")
done

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
# Inside the X session: start the program, wait for both windows, end it.
# xvfb-run can hand over before the server accepts connections: wait for it first.
for _ in $(seq 100); do
  xwininfo -root >/dev/null 2>&1 && break
  sleep 0.1
done
"$@" >"$PELNIX_LOG" 2>&1 &
pid=$!
found=1
for _ in $(seq 100); do
  tree=$(xwininfo -root -tree 2>/dev/null || true)
  if grep -q '"Pelnix Veriro Zarired Uviduzudu: Supply fan project.PXF"' <<<"$tree" &&
     grep -q 'Active Project: Fan Application"' <<<"$tree"; then
    found=0
    break
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
[[ $found == 0 ]] || xwininfo -root -tree 2>/dev/null | grep '"' | grep -v 'has no name' >&2 || true
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit $found
SESSION

if ! HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb \
     PELNIX_LOG=$work/pelnix.log xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" \
     bash "$work/session.sh" "${command_line[@]}"; then
  cat "$work/pelnix.log" >&2
  fail "the program did not open the project named on its command line"
fi
finish
