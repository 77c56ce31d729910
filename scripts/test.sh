#!/usr/bin/env bash
# Builds and runs every test: the release suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows cross build and its tests under Wine when
# scripts/test-windows.sh is there, then the packages (scripts/package.sh, checked by
# scripts/check-packages.sh), and every fuzz target for a short time (ORV_FUZZ_SECONDS CPU
# seconds, 20 by default; 0 skips it) with fixed seeds (ORV_FUZZ_SEED, 1 by default), so that
# short run reaches the same inputs on every machine. Exits non-zero when anything fails.
#
# The fuzz stage runs beside the sanitize, Windows and package stages, at a lower priority:
# their tests mostly wait (on time-outs, on Wine, on lintian's single core), and the fuzz budget
# counts CPU seconds, so sharing the machine takes nothing from it. (Not the lowest priority:
# starved that far, one slow input could outlast the fuzzers' 10-second hang limit.)
set -uo pipefail
cd "$(dirname "$0")/.."

deps_start=$SECONDS
scripts/install-deps.sh native || exit 1

fuzz_seconds=${ORV_FUZZ_SECONDS:-20}
export ORV_FUZZ_SEED=${ORV_FUZZ_SEED:-1}

# The later stages' packages (Wine, the cross compiler, clang) install while the Linux suites
# build: on a fresh machine that takes over a minute, mostly spent waiting on the network and
# the disk. Each stage still calls install-deps.sh itself, which then finds nothing missing,
# or retries and shows why the early install failed.
# clang comes first: the fuzz stage starts after the release suite.
deps_marks=$(mktemp -d)
(
  [[ $fuzz_seconds -gt 0 ]] && scripts/install-deps.sh fuzz
  touch "$deps_marks/fuzz"
  [[ -f scripts/test-windows.sh ]] && scripts/install-deps.sh windows && scripts/install-deps.sh package
  true
) >/dev/null 2>&1 &
later_deps=$!

failed=()
summary=("native packages: ready ($((SECONDS - deps_start)) s)")

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
  # Most of the suite's time is tests waiting out time-outs: four at once on two cores.
  ctest --preset "$preset" -j4 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  summary+=("$preset: $(grep -E 'tests passed|tests failed' "$log" | tail -n 1)")
  [[ $status -eq 0 ]] || failed+=("$preset tests")
  rm -f "$log"
}

# timed COMMAND...: runs one stage and adds its wall time to the last summary line.
timed() {
  local start=$SECONDS
  "$@"
  summary[-1]+=" ($((SECONDS - start)) s)"
}

timed run_suite release

fuzz_log=$(mktemp)
if [[ $fuzz_seconds -gt 0 ]]; then
  while [[ ! -e $deps_marks/fuzz ]] && kill -0 "$later_deps" 2>/dev/null; do sleep 1; done
  fuzz_start=$SECONDS
  nice -n 10 bash scripts/fuzz.sh "$fuzz_seconds" >"$fuzz_log" 2>&1 &
  fuzz_pid=$!
fi

timed run_suite sanitize

run_windows() {
  echo "=== windows"
  if bash scripts/test-windows.sh; then
    summary+=("windows: passed")
  else
    failed+=("windows")
    summary+=("windows: failed")
  fi
}
wait "$later_deps"

[[ -f scripts/test-windows.sh ]] && timed run_windows

# The packages, from the release and Windows builds the stages above made: the .deb unpacked
# into an empty folder runs the main job and the installed-tree checks, and lintian checks it.
run_packages() {
  echo "=== packages"
  local out
  out=$(mktemp -d)
  if bash scripts/package.sh "$out" && bash scripts/check-packages.sh "$out"; then
    summary+=("packages: passed")
  else
    failed+=("packages")
    summary+=("packages: failed")
  fi
  rm -rf "$out"
}
[[ -f scripts/test-windows.sh ]] && timed run_packages

# finish_fuzz: waits for the fuzz stage, then shows its table.
finish_fuzz() {
  wait "$fuzz_pid"
  local status=$?
  echo "=== fuzz: every target for $fuzz_seconds CPU-s"
  cat "$fuzz_log"
  if [[ $status -eq 0 ]]; then
    summary+=("fuzz: $(grep -c ' 0 *$' "$fuzz_log") targets, no findings")
  else
    failed+=("fuzz")
    summary+=("fuzz: failed (findings in build/fuzz/findings)")
  fi
  summary[-1]+=" ($((SECONDS - fuzz_start)) s, beside sanitize, windows and packages)"
}
[[ $fuzz_seconds -gt 0 ]] && finish_fuzz
rm -rf "$fuzz_log" "$deps_marks"
summary+=("total: $SECONDS s")

echo
[[ ${#failed[@]} -gt 0 ]] && echo "FAILED: ${failed[*]}"
echo "=== summary"
printf '%s\n' "${summary[@]}"
[[ ${#failed[@]} -eq 0 ]]
