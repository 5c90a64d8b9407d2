#!/bin/sh
# Runs every fuzz target of a fuzz build, each for at most the given seconds and inputs, on its
# seed corpus and the corpus that earlier runs left in <build>/corpus/. The seeds always run in
# full, however short the run: 0 seconds means no time limit, 0 inputs the corpora alone.
# A crash, a leak, a check that fails, an input slower than 10 s or one that takes more than
# 2 GB ends the run with the fuzzer's report and the input in <build>/artifacts/; reproduce it
# with `<build>/fuzz_<target> <input>`.
#   run.sh <fuzz build folder> [<seconds per target> [<inputs per target>]]   (20 and 500000)
set -eu
BUILD=$(cd "${1:?usage: run.sh <fuzz build folder> [<seconds per target> [<inputs per target>]]}" && pwd)
SECONDS_EACH=${2:-20}
RUNS_EACH=${3:-500000}
# libFuzzer reads "0.5" seconds as 0, no limit at all, and -1 inputs as endless: whole numbers only.
if ! expr "$SECONDS_EACH" : '[0-9][0-9]*$' >/dev/null || ! expr "$RUNS_EACH" : '[0-9][0-9]*$' >/dev/null; then
    echo "run.sh: seconds and inputs are whole numbers, not '$SECONDS_EACH' and '$RUNS_EACH'" >&2
    exit 2
fi
mkdir -p "$BUILD/artifacts" "$BUILD/logs"
status=0
for target in model bmp font highscore sound replay; do
    corpus="$BUILD/corpus/$target"
    log="$BUILD/logs/$target.log"
    mkdir -p "$corpus"
    if "$BUILD/fuzz_$target" -max_total_time="$SECONDS_EACH" -runs="$RUNS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$target-" \
        "$corpus" "$BUILD/seeds/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: $runs inputs, no failure"
    else
        echo "fuzz_$target FAILED; the end of $log:"
        tail -n 40 "$log"
        status=1
    fi
done
exit $status
