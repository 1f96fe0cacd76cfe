#!/usr/bin/env bash
# Measures and prints (asserts nothing): the solver against bare
# formatting (native), start-up to the visible window against a minimal
# Win32 program, the response of Calculate, and the size of the exe.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/xvfb.sh
StartVirtualDisplay
build=build/mingw-i686
trap '"$build/wine-run.sh" --shutdown; StopVirtualDisplay' EXIT

cmake --workflow --preset native >/dev/null
build/native/solver_benchmark --benchmark_min_time=1 | tail -n 2

cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 >/dev/null
winpath() { echo "Z:$(realpath "$1" | tr / '\\')"; }
"$build/wine-run.sh" "$build/startup_benchmark.exe" "$(winpath "$build/trojmian.exe")" Taronix \
  "$(winpath "$build/minimal_window.exe")" MinimalWindow 10 | tr -d '\r'
"$build/wine-run.sh" "$build/response_benchmark.exe" | tr -d '\r'

with=$(stat -c %s "$build/trojmian.exe")
picture=$(stat -c %s src/bitmapa.bmp)
echo "size of trojmian.exe: $with bytes ($((with / 1024)) KiB) with the picture;" \
  "the picture's resource is $((picture - 14)) bytes of it"
