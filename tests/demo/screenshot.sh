#!/usr/bin/env bash
# Shows the toolkit demo under Wine and Xvfb, saves a screenshot of the screen to the given
# PNG path, prints that path, then closes the demo.
# Usage: tests/demo/screenshot.sh OUTPUT.png [BUILD_DIR]   (BUILD_DIR defaults to build/windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
output=${1:?usage: screenshot.sh OUTPUT.png [BUILD_DIR]}
build=$(cd "${2:-$root/build/windows}" && pwd)
demo=$build/tests/demo/ToolkitDemo.exe
[[ -f "$demo" ]] || { echo "No demo at $demo: build the target ToolkitDemo first" >&2; exit 1; }
output=$(realpath -m "$output")

WINEPREFIX=${WINEPREFIX:-$build/wineprefix} exec "$root/tools/with-wine.sh" bash -c '
  set -euo pipefail
  demo=$1 output=$2
  /usr/lib/wine/wine64 "$demo" >/dev/null 2>&1 </dev/null &
  wine_pid=$!
  window=""
  for _ in $(seq 100); do
    # The application window carries the same title: take the largest window of that name.
    window=$(for id in $(xdotool search --onlyvisible --name "^Toolkit demo$" 2>/dev/null); do
               eval "$(xdotool getwindowgeometry --shell "$id")"; echo "$((WIDTH * HEIGHT)) $id"
             done | sort -n | tail -n1 | cut -d" " -f2)
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  if [[ -z "$window" ]]; then
    echo "The demo window did not appear" >&2
    kill "$wine_pid" 2>/dev/null || true
    exit 1
  fi
  sleep 2  # let the controls paint and the timer tick once
  xwd -root -silent | convert-im6.q16 xwd:- "PNG:$output"
  echo "$output"
  # Alt+F4 goes through the form'"'"'s own close handling, as a user would close it.
  xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null || xdotool key --window "$window" alt+F4
  for _ in $(seq 50); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$wine_pid" 2>/dev/null; then
    echo "The demo did not close; stopping it" >&2
    kill "$wine_pid"
    exit 1
  fi
' screenshot "$demo" "$output"
