#!/usr/bin/env bash
# Builds and runs every test: the release suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows cross build and its tests under Wine when
# scripts/test-windows.sh is there. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native || exit 1

failed=()
summary=()

# run_suite PRESET: configure, build and test one preset; its ctest summary is kept for the end.
run_suite() {
  local preset=$1 log
  log=$(mktemp)
  echo "=== $preset: build"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j2; then
    failed+=("$preset build")
    summary+=("$preset: build failed")
    return
  fi
  echo "=== $preset: tests"
  ctest --preset "$preset" -j2 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  summary+=("$preset: $(grep -E 'tests passed|tests failed' "$log" | tail -n 1)")
  [[ $status -eq 0 ]] || failed+=("$preset tests")
  rm -f "$log"
}

run_suite release
run_suite sanitize

if [[ -f scripts/test-windows.sh ]]; then
  echo "=== windows"
  if bash scripts/test-windows.sh; then
    summary+=("windows: passed")
  else
    failed+=("windows")
    summary+=("windows: failed")
  fi
fi

echo
[[ ${#failed[@]} -gt 0 ]] && echo "FAILED: ${failed[*]}"
echo "=== summary"
printf '%s\n' "${summary[@]}"
[[ ${#failed[@]} -eq 0 ]]
