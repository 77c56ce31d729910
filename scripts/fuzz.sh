#!/usr/bin/env bash
# Runs every fuzz target (or those named) for SECONDS each and prints, per target, the
# executions, the CPU seconds it got, the coverage reached and the findings.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]      default 20 seconds, every target
#
# ORV_FUZZ_SEED=N makes the mutations the same from run to run (round K uses N+K-1), so a short
# run finds the same things on every machine; without it each run draws its own seed.
#
# Builds the fuzz preset (clang, libFuzzer, ASan+UBSan) first. Each target starts from its
# seeds (fuzz/corpus/NAME, the samples that fit it, and fuzz/regressions/NAME) and keeps what
# it learns in build/fuzz/corpus/NAME, so a later run goes on from there. A finding (crash,
# hang, memory blow-up) is kept in build/fuzz/findings/NAME-*; the script then exits 1. Copy a
# finding into fuzz/regressions/NAME under a name saying what it caught, once it is fixed: the
# test suite replays that folder in every build.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-20}
shift || true

scripts/install-deps.sh fuzz || exit 1
cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz -j2 >/dev/null || { cmake --build --preset fuzz -j2; exit 1; }

bin=$root/build/fuzz/bin
work=$root/build/fuzz
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for program in "$bin"/fuzz_*; do targets+=("$(basename "$program" | sed 's/^fuzz_//')"); done
fi

# Sample files that make good seeds for a target, beside its own seed folder.
samples_for() {
  case $1 in
    film_card) echo "$root/samples/films" ;;
    template) echo "$root/samples/templates" ;;
    jpeg_exif | iptc) echo "$root/samples/media/Photos" ;;
    mp3) echo "$root/samples/media/Musique" ;;
    film_site_file | auction_params) echo "$root/samples/sites" ;;
    web_values) echo "$root/samples/templates" ;;
    *) ;;
  esac
}

run_target() {
  local name=$1 corpus=$work/corpus/$1 log=$work/logs/$1.log
  mkdir -p "$corpus" "$work/findings" "$work/logs"
  local seeds=()
  for dir in "$root/fuzz/corpus/$name" "$root/fuzz/regressions/$name" $(samples_for "$name"); do
    [[ -d $dir ]] && seeds+=("$dir")
  done
  # -timeout: an input taking longer is a hang; -rss_limit_mb: one that takes more memory is a
  # blow-up. Both are findings. SECONDS are CPU seconds: on a loaded machine a round gets less
  # than its wall-clock time, so further rounds, each going on from the corpus, make up the
  # rest (a round short of a second is not worth starting; test.sh runs this beside other
  # stages, so allow many rounds).
  local TIMEFORMAT='%U %S' times status=0 cpu=0 left=$seconds execs=0 round=0
  : >"$log"
  while [[ $left -ge 1 && $status -eq 0 && $round -lt 50 ]]; do
    round=$((round + 1))
    local seed=()
    [[ -n ${ORV_FUZZ_SEED:-} ]] && seed=(-seed=$((ORV_FUZZ_SEED + round - 1)))
    times=$( { time "$bin/fuzz_$name" "$corpus" "${seeds[@]}" "${seed[@]}" -max_total_time="$left" \
      -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$work/findings/$name-" >"$log.round" 2>&1; } 2>&1 )
    status=$?
    cat "$log.round" >>"$log"
    local got units
    got=$(awk '{ printf "%.0f", $1 + $2 }' <<<"$times")
    units=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log.round" | grep -Eo '[0-9]+$')
    cpu=$((cpu + got))
    execs=$((execs + ${units:-0}))
    left=$((seconds - cpu))
  done
  rm -f "$log.round"
  local cov ft findings
  cov=$(grep -Eo 'cov: [0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+')
  ft=$(grep -Eo 'ft: [0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+')
  findings=$(ls "$work/findings" 2>/dev/null | grep -c "^$name-")
  printf '%-22s %12s %8s %8s %8s %9s %s\n' "$name" "${execs:-?}" "${cpu:-?}" "${cov:-?}" \
    "${ft:-?}" "$findings" "$([[ $status -eq 0 ]] || echo "(exit $status, see $log)")"
}
export -f run_target samples_for
export root work bin seconds

printf '%-22s %12s %8s %8s %8s %9s\n' target executions cpu-s coverage features findings
# Two at a time: one per core.
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_target {}' | sort
found=$(ls "$work/findings" 2>/dev/null | wc -l)
if [[ $found -gt 0 ]]; then
  echo "findings in $work/findings:" >&2
  ls "$work/findings" >&2
  exit 1
fi
