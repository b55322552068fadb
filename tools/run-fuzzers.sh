#!/usr/bin/env bash
# Runs every fuzz target of a "fuzz" build for a while, each over a copy of
# its seed corpus (the seeds in the repository stay as they are), and fails
# when any target finds a crash, a leak or a hang.
#
#   tools/run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
#
# Findings are kept in BUILD_DIR/fuzz-findings/<target>/, with the log.
set -euo pipefail

build=${1:?the fuzz build folder, e.g. build/fuzz}
seconds=${2:?seconds per target}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
targets=(fuzz_letter_set fuzz_archive)

failed=()
for target in "${targets[@]}"; do
  binary=$build/fuzz/$target
  [[ -x $binary ]] || { echo "$target: not built in $build" >&2; exit 1; }
  findings=$build/fuzz-findings/$target
  rm -rf "$findings"
  mkdir -p "$findings/corpus"
  cp "$source_dir/fuzz/corpus/$target"/* "$findings/corpus/"
  echo "== $target: ${seconds}s"
  # One process, so the other engineers on the machine keep their cores.
  if "$binary" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$findings/corpus" \
      >"$findings/log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$findings/log" | sed "s/^/$target /"
  else
    echo "$target FOUND A PROBLEM; log and input in $findings:" >&2
    grep -E '^==[0-9]+==ERROR|SUMMARY|^artifact_prefix|Test unit written' "$findings/log" >&2 || tail -20 "$findings/log" >&2
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing: no findings"
