#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, the Windows tests
# under Wine, and each fuzz target for a short while. Prints one summary line.
# PELMAR_FUZZ_SECONDS sets how long each fuzz target runs (default 10).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/tools/install-deps.sh" || exit 1

jobs=$(nproc)
passed=0
failed=0
log_dir=$root/build/test-logs
mkdir -p "$log_dir"

# Adds the counts of a ctest log to the totals; a run that printed none failed.
count_ctest() {
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n1)
  if [[ -z "$line" ]]; then
    failed=$((failed + 1)); return
  fi
  local fail total
  fail=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - fail)); failed=$((failed + fail))
}

step() { echo; echo "=== $* ==="; }

build() {
  local preset=$1
  cmake --preset "$preset" >"$log_dir/configure-$preset.log" 2>&1 \
    && cmake --build --preset "$preset" -j "$jobs" 2>&1 | tail -n 30
  local status=${PIPESTATUS[0]}
  if [[ $status -ne 0 ]]; then
    cat "$log_dir/configure-$preset.log" | tail -n 30
    echo "build of preset $preset failed"; failed=$((failed + 1)); return 1
  fi
}

step "native build and unit tests"
if build native; then
  ctest --preset native -j "$jobs" 2>&1 | tee "$log_dir/native.log" | grep -vE '^ +[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
  count_ctest "$log_dir/native.log"
fi

step "Windows build and tests under Wine"
if build windows; then
  tools/with-wine.sh ctest --test-dir build/windows --output-on-failure 2>&1 | tee "$log_dir/windows.log"
  count_ctest "$log_dir/windows.log"
fi

step "fuzz targets"
if build fuzz; then
  seconds=${PELMAR_FUZZ_SECONDS:-10}
  for fuzzer in build/fuzz/fuzz/fuzz_*; do
    [[ -x "$fuzzer" && -f "$fuzzer" ]] || continue
    name=$(basename "$fuzzer")
    corpus=$(mktemp -d)
    [[ -d fuzz/corpus/${name#fuzz_} ]] && cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/"
    if "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$corpus" \
        >"$log_dir/$name.log" 2>&1; then
      echo "$name: no crash in ${seconds} s ($(grep -Eo '#[0-9]+' "$log_dir/$name.log" | tail -n1 | tr -d '#') runs)"
      passed=$((passed + 1))
    else
      echo "$name: FAILED"; tail -n 40 "$log_dir/$name.log"
      failed=$((failed + 1))
    fi
    rm -rf "$corpus"
  done
fi

echo
echo "total: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
