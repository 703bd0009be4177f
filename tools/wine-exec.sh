#!/usr/bin/env bash
# CTest's emulator for Windows executables: runs one program under Wine with the
# build folder's private prefix. Inside tools/with-wine.sh (display and persistent
# wineserver already there) it costs ~0.1 s; alone it sets that environment up first.
# Usage: tools/wine-exec.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
prefix=$1; shift
if [[ "${WINEPREFIX:-}" != "$prefix" || -z "${DISPLAY:-}" ]]; then
  WINEPREFIX=$prefix exec "$(dirname "$0")/with-wine.sh" /usr/lib/wine/wine64 "$@"
fi
exec /usr/lib/wine/wine64 "$@"
