#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds Pelnix, and then either starts the
# program ("run") or runs every test ("test"). Development modes: "sanitize" (AddressSanitizer and
# UndefinedBehaviorSanitizer build running the tests), "fuzz [seconds]" (libFuzzer targets with clang),
# "bench" (benchmark suite).
set -euo pipefail
mode=${1:-run}
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev qt6-image-formats-plugins libgl-dev
          libgtest-dev libbenchmark-dev libgif-dev fonts-liberation fonts-dejavu-core poppler-utils xdg-utils
          xvfb xauth ccache desktop-file-utils appstream shared-mime-info x11-utils)
case "$mode" in
  fuzz|sanitize) packages+=(clang libclang-rt-14-dev) ;;
  bench) packages+=(time hyperfine) ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
case "$mode" in
  sanitize)
    build="$here/build-asan"
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELNIX_SANITIZE=ON -DPELNIX_BUILD_TESTS=ON
    ;;
  fuzz)
    build="$here/build-fuzz"
    CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELNIX_FUZZ=ON \
      -DPELNIX_BUILD_TESTS=OFF
    ;;
  bench)
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELNIX_BUILD_TESTS=ON -DPELNIX_BUILD_BENCH=ON
    ;;
  *)
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELNIX_BUILD_TESTS=ON
    ;;
esac
if [[ "$mode" == fuzz ]]; then
  cmake --build "$build" -j"$jobs" --target fuzz_projectfile fuzz_settings fuzz_textnumbers fuzz_picture fuzz_fieldtexts
else
  cmake --build "$build" -j"$jobs"
fi

case "$mode" in
  run)
    if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
      exec "$build/src/app/pelnix" "${@:2}"
    fi
    echo "No display found: running the command-line front end on the bundled example instead."
    exec "$build/src/app/pelnix-cli" estimate "$here/examples/fan-example.PXF" "$here/examples/pump-example.PXF"
    ;;
  test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" --timeout 600
    ;;
  sanitize)
    cd "$build"
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" --timeout 900
    ;;
  fuzz)
    seconds=${2:-300}
    for target in projectfile settings textnumbers picture fieldtexts; do
      work=$(mktemp -d)
      QT_QPA_PLATFORM=offscreen "$build/tests/fuzz/fuzz_$target" "$work" "$here/tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=4096 -timeout=10 -print_final_stats=1
      rm -rf "$work"
    done
    ;;
  bench)
    "$here/bench/run-benchmarks.sh" "$build"
    ;;
  *)
    echo "usage: $0 run|test|sanitize|fuzz [seconds]|bench" >&2
    exit 2
    ;;
esac
