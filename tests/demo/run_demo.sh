#!/usr/bin/env bash
# Starts the toolkit demo under Wine, waits for its form to show, optionally saves a
# screenshot of the screen and one with the File menu open (see capture.sh), then closes the
# form as a user would (Alt+F4) and checks that the program ended. Prints "demo: form shown
# and closed" when all went well.
# Usage: tests/demo/run_demo.sh DEMO_EXE WINEPREFIX [OUTPUT.png [MENU_OUTPUT.png]]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
demo=$(realpath "${1:?usage: run_demo.sh DEMO_EXE WINEPREFIX [OUTPUT.png [MENU_OUTPUT.png]]}")
prefix=$(realpath -m "${2:?}")
output=${3:+$(realpath -m "$3")}
menu_output=${4:+$(realpath -m "$4")}

# Inside tools/with-wine.sh (display and wineserver of this prefix ready, as under CTest)
# run at once; otherwise set that environment up first.
if [[ "${WINEPREFIX:-}" != "$prefix" || -z "${DISPLAY:-}" ]]; then
  WINEPREFIX=$prefix exec "$root/tools/with-wine.sh" "$0" "$@"
fi
source "$root/tests/demo/capture.sh"

/usr/lib/wine/wine64 "$demo" >/dev/null 2>&1 </dev/null &
wine_pid=$!
stop_demo() { if kill -0 "$wine_pid" 2>/dev/null; then kill "$wine_pid" 2>/dev/null || true; fi; }
trap stop_demo EXIT

# The application window carries the same title as the form: take the largest visible
# window of that name.
window=""
deadline=$((SECONDS + 20))
while ((SECONDS < deadline)); do
  window=$(for id in $(xdotool search --onlyvisible --name "^Toolkit demo$" 2>/dev/null); do
             eval "$(xdotool getwindowgeometry --shell "$id")"; echo "$((WIDTH * HEIGHT)) $id"
           done | sort -n | tail -n1 | cut -d" " -f2)
  [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || { echo "demo: the form did not appear" >&2; exit 1; }
echo "demo: form shown"

if [[ -n "$output" ]]; then
  sleep 2  # let the controls paint and the timer tick once
  capture_screen "$output"
  echo "$output"
fi
if [[ -n "$menu_output" ]]; then
  open_menu "$window" alt+f || { echo "demo: the File menu did not open" >&2; exit 1; }
  capture_screen "$menu_output"
  echo "$menu_output"
  xdotool key Escape Escape
  sleep 0.3
fi

# Alt+F4 goes through the form's own close handling, as a user would close it.
xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null || xdotool key --window "$window" alt+F4
for _ in $(seq 50); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$wine_pid" 2>/dev/null; then
  echo "demo: the program did not end after Alt+F4" >&2
  exit 1
fi
wait "$wine_pid" || { echo "demo: the program ended with an error" >&2; exit 1; }
echo "demo: form shown and closed"
