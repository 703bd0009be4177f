#!/usr/bin/env bash
# Runs a command with one Xvfb display, a private WINEPREFIX and one persistent
# wineserver, so that every Windows program it starts costs ~0.1 s.
# The prefix is WINEPREFIX when set, else BUILD/wineprefix for `--test-dir BUILD`
# among the arguments, else build/windows/wineprefix.
# With PELMAR_USE_DISPLAY=1 an existing DISPLAY is used instead of a new Xvfb.
# Usage: tools/with-wine.sh COMMAND [ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

prefix_for_args() {
  local previous=""
  for arg in "$@"; do
    if [[ "$previous" == "--test-dir" ]]; then
      echo "$(cd "$arg" && pwd)/wineprefix"; return
    fi
    previous=$arg
  done
  echo "$root/build/windows/wineprefix"
}

export WINEPREFIX=${WINEPREFIX:-$(prefix_for_args "$@")}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export WINEARCH=win64

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" >/dev/null 2>&1 || true; fi
}
trap cleanup EXIT

if [[ -z "${DISPLAY:-}" || "${PELMAR_USE_DISPLAY:-0}" != 1 ]]; then
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do [[ -s "$fd_file" ]] && break; sleep 0.05; done
  [[ -s "$fd_file" ]] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
fi

mkdir -p "$(dirname "$WINEPREFIX")"
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "Creating Wine prefix $WINEPREFIX (once, ~10 s)" >&2
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# This Wine build does not find its own fonts (Tahoma, Marlett for the caption buttons,
# MS Sans Serif): copied into the prefix's font folder, windows look as they do on Windows.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [[ -d /usr/share/wine/fonts && ! -f "$fonts/marlett.ttf" ]]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/*.ttf "$fonts/"
fi
# A server already running on this prefix (another run's) serves us as well.
wineserver -p 2>/dev/null || true
# Start Wine's background services now, detached from our output: a service started
# by the first test program would inherit its pipes, and CTest waits for those to close.
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 </dev/null || true
"$@"
