#!/usr/bin/env bash
# Pelnix benchmarks, each beside its floor, in one run:
#   bench/run-benchmarks.sh BUILD_DIR     (a build configured with -DPELNIX_BUILD_BENCH=ON)
# Start-up to an idle main window and its peak memory against a bare Qt main window; the Google
# Benchmark suite (engine, graphs); the report exported to PDF against two blank QPdfWriter pages;
# pelnix-cli estimate over 1,000 project files. Times are medians (hyperfine when installed).
# RUNS (default 10) sets the number of timed runs per figure.
set -euo pipefail
if [[ $# -lt 1 || ! -d "$1" ]]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pelnix="$build/src/app/pelnix"
cli="$build/src/app/pelnix-cli"
floor_window="$build/bench/floor_mainwindow"
floor_pdf="$build/bench/floor_pdf"
probe="$build/bench/libpelnix_startup_probe.so"
gbench="$build/bench/pelnix_bench"
example="$here/examples/fan-example.PXF"

# Headless, with a private home whose settings turn the welcome screen off, so the start-up ends
# at the main window as a returning user sees it.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME/VENDRAM" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[SETUP]\nPROGRAM\\L6=0\n' > "$XDG_CONFIG_HOME/VENDRAM/PELNIX.conf"

have() { command -v "$1" >/dev/null 2>&1; }

# median_ms CMD… — median wall time of RUNS runs, in milliseconds, output discarded.
median_ms() {
  if have hyperfine; then
    hyperfine -N --warmup 2 --runs "$runs" --export-json "$work/h.json" -- "$(printf '%q ' "$@")" >/dev/null 2>&1 || return 1
    python3 -c 'import json,sys; print("%.1f" % (json.load(open(sys.argv[1]))["results"][0]["median"]*1000))' "$work/h.json"
  else
    local times=() t0 t1 i
    "$@" >/dev/null 2>&1 || return 1
    for ((i = 0; i < runs; i++)); do
      t0=$(date +%s%N); "$@" >/dev/null 2>&1 || return 1; t1=$(date +%s%N)
      times+=($(( (t1 - t0) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {m = NR % 2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2; printf "%.1f\n", m/1000}'
  fi
}

# peak_kib CMD… — largest resident set of one run (GNU time), median of three.
peak_kib() {
  local peaks=() i
  for i in 1 2 3; do
    /usr/bin/time -f '%M' -o "$work/t" "$@" >/dev/null 2>&1 || return 1
    peaks+=("$(tail -1 "$work/t")")
  done
  printf '%s\n' "${peaks[@]}" | sort -n | sed -n 2p
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f×", a / b; else print "-" }'; }
row() { printf '  %-34s %12s %14s\n' "$@"; }
missing() { printf '  %-34s %s\n' "$1" "not available yet${2:+ ($2)}"; }

echo "Pelnix benchmarks — $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, QPA $QT_QPA_PLATFORM, $runs runs per figure"
echo "hyperfine: $(have hyperfine && hyperfine --version || echo 'not installed, median of repeated runs')"
echo

echo "Start-up to an idle main window (aim: 1.5× the floor or less)"
row "" "median ms" "peak KiB"
if [[ -x "$floor_window" ]]; then
  floor_cmd=(env PELNIX_STARTUP_PROBE=1 "$floor_window")
  f_ms=$(median_ms "${floor_cmd[@]}") || f_ms=fail
  f_kib=$(peak_kib "${floor_cmd[@]}") || f_kib=fail
  row "floor (bare QMainWindow)" "$f_ms" "$f_kib"
else
  missing "floor (bare QMainWindow)" "build floor_mainwindow"
fi
if [[ -x "$pelnix" ]]; then
  # The program ends itself at the first idle when it knows how; otherwise the preloaded probe does.
  if grep -qa PELNIX_EXIT_WHEN_IDLE "$pelnix"; then
    app_cmd=(env PELNIX_EXIT_WHEN_IDLE=1 "$pelnix")
  else
    app_cmd=(env LD_PRELOAD="$probe" PELNIX_STARTUP_PROBE=1 "$pelnix")
  fi
  if timeout 60 "${app_cmd[@]}" >/dev/null 2>&1; then
    p_ms=$(median_ms "${app_cmd[@]}") || p_ms=fail
    p_kib=$(peak_kib "${app_cmd[@]}") || p_kib=fail
    row "pelnix" "$p_ms" "$p_kib"
    [[ -n "${f_ms:-}" ]] && row "pelnix / floor" "$(ratio "$p_ms" "$f_ms")" "$(ratio "$p_kib" "$f_kib")"
  else
    missing "pelnix" "it did not reach an idle main window within 60 s"
  fi
else
  missing "pelnix" "build the pelnix target"
fi
echo

echo "Google Benchmark (engine, graphs)"
if [[ -x "$gbench" ]]; then
  # Repeated cases show their median only.
  "$gbench" --benchmark_min_time=0.2 --benchmark_report_aggregates_only=true 2>&1 \
    | grep -Ev '_(mean|stddev|cv) ' | sed 's/^/  /'
else
  missing "pelnix_bench" "build with -DPELNIX_BUILD_BENCH=ON"
fi
echo

echo "Report: prepare and export to PDF with its three graph pictures"
row "" "median ms" "peak KiB"
f_ms="" f_kib=""
if [[ -x "$floor_pdf" ]]; then
  f_ms=$(median_ms "$floor_pdf" "$work/floor.pdf") || f_ms=fail
  f_kib=$(peak_kib "$floor_pdf" "$work/floor.pdf") || f_kib=fail
  row "floor (QPdfWriter, 2 blank pages)" "$f_ms" "$f_kib"
fi
if [[ -x "$cli" ]] && "$cli" --help 2>&1 | grep -qw report; then
  report_cmd=("$cli" report "$example" -o "$work/report.pdf" --format pdf --answer ok)
  if "${report_cmd[@]}" >/dev/null 2>&1 && [[ -s "$work/report.pdf" ]]; then
    p_ms=$(median_ms "${report_cmd[@]}") || p_ms=fail
    p_kib=$(peak_kib "${report_cmd[@]}") || p_kib=fail
    row "pelnix-cli report --format pdf" "$p_ms" "$p_kib"
    [[ -n "$f_ms" ]] && row "report / floor" "$(ratio "$p_ms" "$f_ms")" "$(ratio "$p_kib" "$f_kib")"
  else
    missing "pelnix-cli report --format pdf" "the command failed"
  fi
else
  missing "pelnix-cli report --format pdf"
fi
echo

echo "pelnix-cli estimate over 1,000 project files"
if [[ -x "$cli" ]]; then
  mkdir -p "$work/projects"
  # Each file its own motor size, so no two estimations are the same.
  for i in $(seq 1 1000); do
    sed "s/^P005=A1-05=[^;]*;/P005=A1-05=$(( 1 + i % 500 )).0;/" "$example" > "$work/projects/project-$i.PXF"
  done
  one_ms=$(median_ms "$cli" estimate "$work/projects/project-1.PXF") || one_ms=fail
  all_ms=$(median_ms "$cli" estimate "$work"/projects/*.PXF) || all_ms=fail
  all_kib=$(peak_kib "$cli" estimate "$work"/projects/*.PXF) || all_kib=fail
  row "" "median ms" "peak KiB"
  row "1 file (start-up and one estimate)" "$one_ms" ""
  row "1,000 files" "$all_ms" "$all_kib"
  row "per file beyond the first" "$(awk -v a="$all_ms" -v b="$one_ms" 'BEGIN { printf "%.3f", (a - b) / 999 }')" ""
else
  missing "pelnix-cli estimate" "build the pelnix-cli target"
fi
