#!/usr/bin/env bash
# Shows the toolkit demo under Wine and Xvfb, saves a screenshot of the screen to the given
# PNG path (and, given MENU_OUTPUT.png, one with the File menu open), prints the paths, then
# closes the demo.
# Usage: tests/demo/screenshot.sh OUTPUT.png [BUILD_DIR [MENU_OUTPUT.png]]
#        (BUILD_DIR defaults to build/windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
output=${1:?usage: screenshot.sh OUTPUT.png [BUILD_DIR [MENU_OUTPUT.png]]}
build=$(cd "${2:-$root/build/windows}" && pwd)
demo=$build/tests/demo/ToolkitDemo.exe
[[ -f "$demo" ]] || { echo "No demo at $demo: build the target ToolkitDemo first" >&2; exit 1; }
exec "$root/tests/demo/run_demo.sh" "$demo" "${WINEPREFIX:-$build/wineprefix}" "$output" ${3:+"$3"}
