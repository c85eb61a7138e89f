#!/usr/bin/env bash
# Builds and runs the benchmarks of what the user waits for. Every figure is a ratio against a
# baseline measured in the same run, printed with its bound and whether it holds; the exit status
# is non-zero when one misses. `scripts/setup.sh bench` installs what is missing first.
# Usage: scripts/bench.sh [build folder]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vexbus_bench vexbus_startup_bench

status=0
QT_QPA_PLATFORM=offscreen "$build/bench/vexbus_bench" || status=1
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$build/bench/vexbus_startup_bench" 31 \
  "$build/tests/usb/libch341emu_preload.so" "$build/vexbus" "$build/bench/minimal_dialog" || status=1
exit $status
