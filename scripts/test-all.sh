#!/usr/bin/env bash
# Runs every test in all four builds: native (g++), sanitize (clang with
# ASan and UBSan, and the solver's fuzzer), and the two Windows builds
# under Wine on a virtual display. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

bash scripts/install-deps.sh

# shellcheck source=scripts/xvfb.sh
source scripts/xvfb.sh
StartVirtualDisplay

shutdown_wine() {
  for run in build/mingw-*/wine-run.sh; do
    if [[ -x $run ]]; then "$run" --shutdown; fi
  done
}
trap 'shutdown_wine; StopVirtualDisplay' EXIT

status=0
for preset in native sanitize mingw-i686 mingw-x86_64; do
  echo "=== $preset"
  if ! cmake --workflow --preset "$preset"; then
    echo "=== $preset: FAILED"
    status=1
  fi
done

echo "=== benchmark (reported, not asserted)"
if [[ -x build/native/solver_benchmark ]]; then
  build/native/solver_benchmark --benchmark_min_time=0.3 | tail -n 2 || true
fi

echo "=== all tests took $((SECONDS - start)) s"
exit "$status"
