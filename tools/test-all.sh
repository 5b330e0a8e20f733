#!/usr/bin/env bash
# Builds all presets and runs every test: native, with sanitizers, the fuzz
# targets for a bounded time, and the Windows build under wine64 in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

presets=(native native-asan fuzz win64 win32)
for preset in "${presets[@]}"; do
  echo "== configure and build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

status=0
run() { echo "== $*"; "$@" || status=1; }
run ctest --preset native -j2
run ctest --preset native-asan -j2
run ctest --preset fuzz
# The Windows programs and their GUI tests need a display: a virtual one.
run xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64
exit $status
