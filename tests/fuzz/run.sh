#!/bin/sh
# Runs every fuzz target of a build configured with MERVAN_FUZZ for SECONDS
# seconds each (60 unless given), starting from its seed corpus with its
# dictionary. Inputs the fuzzer finds go to BUILD/fuzz-corpus, never into the
# tree. A crash, a sanitizer report, a failed check, a leak or an input that
# runs for more than 10 s fails the run; the input is then kept in
# BUILD/fuzz-artifacts/ and the end of the log is shown.
set -eu
build=${1:?usage: run.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$build/fuzz-artifacts"

for target in fuzz_tokens fuzz_calculators fuzz_analysis fuzz_columns; do
    corpus="$build/fuzz-corpus/$target"
    log="$build/fuzz-artifacts/$target.log"
    mkdir -p "$corpus"
    echo "$target: fuzzing for $seconds s"
    if ! "$build/bin/$target" -dict="$here/$target.dict" -max_total_time="$seconds" \
            -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$build/fuzz-artifacts/$target-" \
            "$corpus" "$here/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target: FAILED (input and log in $build/fuzz-artifacts/)"
        exit 1
    fi
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' "$log"
done
