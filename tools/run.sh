#!/usr/bin/env bash
# Runs Pelmar on the demo site: the site is copied to a temporary folder first,
# so the repository's files are never changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target pelmar-batch >/dev/null

work=$(mktemp -d)
cp -r demo/site "$work/site"
echo "Demo site copied to $work/site"
build/native/cli/pelmar-batch --subfolders --keywords demo/Keywords.txt "$work/site"
echo
echo "Rewritten $work/site/index.html:"
cat "$work/site/index.html"
