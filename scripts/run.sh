#!/usr/bin/env bash
# Builds the 32-bit Windows program. (It gains its window with the next
# change; until then this only builds the solver for Windows.)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686
echo "run: the program itself is not built yet; the solver was built in build/mingw-i686"
