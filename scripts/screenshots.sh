#!/usr/bin/env bash
# Takes the README's screenshots: starts the program on a virtual display,
# goes through one calculation and the About dialog, and saves PNGs in
# docs/: the calculator showing its results, the main window with its
# summary, and the About dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/xvfb.sh
StartVirtualDisplay
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 --target trojmian program_driver wine_prefix
build=build/mingw-i686
run=$build/wine-run.sh
trap '"$run" --shutdown; StopVirtualDisplay' EXIT

mkdir -p docs
"$run" "$build/trojmian.exe" &
program=$!
drive() { "$run" "$build/tests/program_driver.exe" "$@"; }
# shot NAME TITLE: a picture of the window with that title, frame included.
shot() {
  sleep 1
  local id
  id=$(xdotool search --onlyvisible --name "^$2\$" | tail -n 1)
  import -frame -window "$id" "docs/$1.png"
  echo "saved docs/$1.png"
}

drive calculate 1 -3 2
shot calculator "Pierwiastki trójmianu kwadratowego"
drive close-calculator
shot main-window "Takie tam okna dialogowe..."
drive about
shot about "Autor"
drive close-about
drive quit
wait "$program"
