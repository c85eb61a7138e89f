#!/usr/bin/env bash
# Installs what is missing, builds, and then starts vexbus ("run"), runs every test ("test") or
# runs the benchmarks ("bench").
# Usage: scripts/setup.sh run|test|bench [build folder] [extra cmake options...]
set -euo pipefail

mode=${1:-run}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$top/build}
shift $(( $# > 2 ? 2 : $# ))

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libusb-1.0-0-dev googletest libgtest-dev
          libgmock-dev libx11-dev fonts-arphic-uming xvfb xauth)
# The keyboard tests: keys typed through the X server's test extension, windows managed by openbox.
packages+=(libxtst-dev openbox)
# The benchmarks (bench/, scripts/bench.sh).
packages+=(libbenchmark-dev libxdamage-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if (( ${#missing[@]} )); then
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages; install them with:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build"

case "$mode" in
  run)
    exec "$build/vexbus" ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(nproc)" ;;
  bench)
    exec bash "$top/scripts/bench.sh" "$build" ;;
  *)
    echo "usage: $0 run|test|bench [build folder] [cmake options]" >&2
    exit 2 ;;
esac
