#!/usr/bin/env bash
# Starts the built vexbus under Xvfb against the emulated adapter and saves pictures of the screen:
# the start-up box that the missing parallel port raises, if any, then the main window.
# Builds nothing. Usage: tests/gui/screenshot.sh BUILD_FOLDER [OUTPUT_FOLDER]
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_FOLDER [OUTPUT_FOLDER]}" && pwd)
out=$(mkdir -p "${2:-$build}" && cd "${2:-$build}" && pwd)
grab="$build/tests/gui/vexbus_grab"
preload="$build/tests/usb/libch341emu_preload.so"
for f in "$build/vexbus" "$grab" "$preload"; do
  [[ -e $f ]] || { echo "missing $f: build the targets vexbus, vexbus_grab and ch341emu_preload" >&2; exit 1; }
done

export BUILD="$build" OUT="$out" GRAB="$grab" PRELOAD="$preload"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  set -u
  export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0
  LD_PRELOAD="$PRELOAD" "$BUILD/vexbus" &
  pid=$!
  trap "kill $pid 2>/dev/null; wait $pid 2>/dev/null" EXIT
  # A start-up box is captioned with the full path of the executable.
  if "$GRAB" wait "$BUILD/vexbus" 5; then
    echo "start-up box captioned $BUILD/vexbus"
    sleep 0.5
    "$GRAB" shot "$OUT/vexbus-startup-box.png"
    "$GRAB" return "$BUILD/vexbus"
  fi
  "$GRAB" wait "Vexbus I2C Tool" 10 || { echo "the main window did not appear" >&2; exit 1; }
  sleep 1.5
  "$GRAB" shot "$OUT/vexbus-main.png"
  echo "saved $OUT/vexbus-main.png"
'
