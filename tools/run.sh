#!/usr/bin/env bash
# Builds Pelmar.exe and starts it under Wine on a demo site. The program is copied into a
# temporary folder with the demo keywords and our default skin ("skin.skn") beside it, and
# the site into a folder next to it,
# so the repository's files are never changed and the first start shows the first-run page.
# With DISPLAY set the program opens on that display and the script waits until it is
# closed; without one it starts under Xvfb, saves a screenshot, prints its path and closes.
# PELMAR_BUILD_DIR chooses the build folder (default build/windows).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
build=$(realpath -m "${PELMAR_BUILD_DIR:-build/windows}")
cmake --preset windows -B "$build" >/dev/null
echo "Building Pelmar.exe (the first build takes a few minutes)"
cmake --build "$build" --target Pelmar skins >/dev/null

work=$(mktemp -d)
mkdir "$work/program"
cp "$build/app/Pelmar.exe" demo/Keywords.txt "$build/skins/skin.skn" "$work/program/"
cp -r demo/site "$work/site"
echo "Program: $work/program/Pelmar.exe"
echo "Demo site: $work/site (the folder the program starts in)"

export WINEPREFIX=$build/wineprefix
if [[ -n "${DISPLAY:-}" ]]; then
  cd "$work/site"
  PELMAR_USE_DISPLAY=1 exec "$root/tools/with-wine.sh" /usr/lib/wine/wine64 "$work/program/Pelmar.exe"
fi

shot=$work/pelmar.png
"$root/tools/with-wine.sh" bash -c '
  set -euo pipefail
  program=$1 site=$2 shot=$3
  cd "$site"
  /usr/lib/wine/wine64 "$program" >/dev/null 2>&1 </dev/null &
  wine_pid=$!
  window=""
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name "^Pelmar\$" 2>/dev/null | head -n1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  if [[ -z "$window" ]]; then
    echo "Pelmar'"'"'s window did not appear" >&2
    kill "$wine_pid" 2>/dev/null || true
    exit 1
  fi
  sleep 2  # first paint
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xwd -root -silent | convert-im6.q16 xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "PNG:$shot"
  echo "Screenshot: $shot"
  xdotool key --window "$window" ctrl+F4
  for _ in $(seq 200); do kill -0 "$wine_pid" 2>/dev/null || exit 0; sleep 0.1; done
  echo "Pelmar did not close; stopping it" >&2
  kill "$wine_pid"
  exit 1
' run "$work/program/Pelmar.exe" "$work/site" "$shot"
