#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds Pelnix, and then either starts the
# program ("run") or runs every test ("test").
set -euo pipefail
mode=${1:-run}
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev qt6-image-formats-plugins libgl-dev
          libgtest-dev libbenchmark-dev libgif-dev fonts-liberation fonts-dejavu-core poppler-utils xdg-utils
          xvfb xauth ccache)
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
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELNIX_BUILD_TESTS=ON
cmake --build "$build" -j"$jobs"

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
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
