#!/usr/bin/env bash
# End-to-end with real input events: the running program driven with
# xdotool (mouse clicks and keystrokes through the X server), its windows
# read back by program_driver. Needs an X display with a window manager.
#   e2e_input.sh WINE_RUN PROGRAM_EXE DRIVER_EXE
set -uo pipefail
run=$1 program=$2 driver=$3
failures=0

check() {  # check WHAT EXPECTED ACTUAL
  if [[ $2 == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}
field() { "$run" "$driver" read | tr -d '\r' | sed -n "s/^$1=//p"; }
focus() { "$run" "$driver" focus | tr -d '\r'; }
window() { xdotool search --sync --onlyvisible --name "^$1\$" | tail -n 1; }
gone() {  # waits until no window has that title
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
press() {  # a mouse click slow enough for Wine's menu tracking
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
  sleep 0.3
}
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { xdotool type --delay 80 -- "$1"; sleep 0.3; }

main_title="Takie tam okna dialogowe..."
calc_title="Pierwiastki trójmianu kwadratowego"

"$run" "$program" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT

main=$(timeout 60 bash -c "$(declare -f window); window '$main_title'")
[[ -n $main ]] || { echo "FAIL: the main window did not appear"; exit 1; }
xdotool windowactivate --sync "$main"
sleep 0.5

# The menu's "Oblicz" with the mouse. (The program tells where the item
# is: the window manager's frame shifts what xdotool reports.)
read -r x y < <("$run" "$driver" menu-point | tr -d '\r')
press "$x" "$y"
calc=$(timeout 20 bash -c "$(declare -f window); window '$calc_title'")
check "the mouse on Oblicz opens the calculator" yes "$([[ -n $calc ]] && echo yes)"
check "the focus starts in a" 1001 "$(focus)"

# Coefficients as keystrokes, Enter presses the default button.
typed 1; keys Tab; typed -3; keys Tab; typed 2; keys Return
check "x_0 after 1, -3, 2 and Enter" 1.00000 "$(field x0)"
check "x_1 after 1, -3, 2 and Enter" 2.00000 "$(field x1)"
check "the close button after calculating" "Zakończ" "$(field close)"

# The scroll bar's right arrow.
read -r left top right bottom < <("$run" "$driver" rect 1013 | tr -d '\r')
press $((right - 4)) $(((top + bottom) / 2))
sleep 0.5
check "the right arrow steps the precision" 7 "$(field precision)"
check "and recalculates" 1.000000 "$(field x0)"

keys Escape
gone "$calc_title"
check "Esc closes the calculator" yes "$(gone "$calc_title" && echo yes)"

# Alt+O from the keyboard; invalid typing; the Tab order.
keys alt+o
window "$calc_title" >/dev/null
typed 1a
check "letters make a invalid" disabled "$(field calculate)"
keys End shift+Home BackSpace
typed -1234567890123
check "a twelfth character is refused" -1234567890 "$(field a)"
keys End shift+Home BackSpace
order=""
for _ in 1 2 3 4 5 6 7; do
  keys Tab
  order+="$(focus) "
done
check "the Tab order" "1002 1003 2 1005 1006 1009 1001 " "$order"
keys Escape
gone "$calc_title" >/dev/null

# Alt+P opens About, Enter closes it.
keys alt+p
about=$(timeout 20 bash -c "$(declare -f window); window Autor")
check "Alt+P opens About" yes "$([[ -n $about ]] && echo yes)"
keys Return
check "Enter closes About" yes "$(gone Autor && echo yes)"

# Alt+F4 ends the program with exit code 0.
xdotool windowactivate --sync "$main"
keys alt+F4
wait $pid
check "exit code after Alt+F4" 0 "$?"
trap - EXIT

if ((failures)); then
  echo "e2e: $failures checks failed"
  exit 1
fi
echo "e2e: all checks passed"
