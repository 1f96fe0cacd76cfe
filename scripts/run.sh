#!/usr/bin/env bash
# Builds the 32-bit Windows program and runs it under Wine on this
# machine's X display. Exits with the program's exit code.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

if [[ -z ${DISPLAY:-} ]] || ! xdpyinfo >/dev/null 2>&1; then
  echo "run: no X display; to run on a virtual one: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 --target trojmian wine_prefix >/dev/null
# No time limit: the program runs until its window is closed.
WINE_TIMEOUT=0 build/mingw-i686/wine-run.sh build/mingw-i686/trojmian.exe
