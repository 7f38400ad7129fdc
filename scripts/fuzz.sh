#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/, replays every input kept in
# tests/fuzz/regression/<target>/ and the seed corpus, then fuzzes each target for a bounded
# time from a scratch copy of tests/fuzz/corpus/<target>/. Exits non-zero on any crash; the
# input that crashed is kept in build-fuzz/artifacts/.
#
#   scripts/fuzz.sh                     replay, then VARN_FUZZ_SECONDS (default 30) per target
#   VARN_FUZZ_SECONDS=0 scripts/fuzz.sh replay only
#   scripts/fuzz.sh --seed              write the seed corpus anew from the generators first
#   scripts/fuzz.sh placement hashes    only these targets
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
seconds=${VARN_FUZZ_SECONDS:-30}
all_targets=(placement hashes settings numbertext rowtext json csv)
declare -A max_len=([placement]=8192 [hashes]=4096 [settings]=4096 [numbertext]=512 [rowtext]=4096
    [json]=16384 [csv]=8192)

reseed=0
targets=()
for arg in "$@"; do
    case "$arg" in
        --seed) reseed=1 ;;
        placement | hashes | settings | numbertext | rowtext | json | csv) targets+=("$arg") ;;
        *) echo "usage: scripts/fuzz.sh [--seed] [placement|hashes|settings|numbertext|rowtext|json|csv]..." >&2; exit 2 ;;
    esac
done
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

echo "== Fuzz build (clang, address, undefined, libFuzzer) in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVARN_FUZZ=ON -DVARN_BUILD_GUI=OFF -DVARN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target varn_fuzzers
bin=$build/bin

# Leaks count as faults too; an abort keeps the stack of the broken property.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The targets write a file or two per input: memory-backed files keep that cheap.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A target that crashes cannot clear its own folder; inside the scratch folder it goes too.
mkdir -p "$scratch/tmp"
export TMPDIR=$scratch/tmp

if [ "$reseed" -eq 1 ]; then
    echo "== Writing the seed corpus"
    gen=$bin/varn-placement-generate
    names=resources/model-names.txt
    "$gen" --instances 3 --lodculls 1 --others 1 --seed 1 "$scratch/plain.wpl"
    "$gen" --instances 4 --lodculls 1 --others 1 --names "$names" --hash-table --seed 2 "$scratch/named.wpl"
    "$gen" --instances 3 --lodculls 1 --others 1 --names "$names" --hash-table --seed 3 "$scratch/named.xpl"
    "$gen" --instances 12 --lodculls 2 --others 2 --names "$names" --hash-table --seed 4 "$scratch/larger.wpl"
    "$gen" --instances 0 --lodculls 0 --others 1 --seed 5 "$scratch/others.xpl"
    rm -rf tests/fuzz/corpus
    "$bin/varn-fuzz-seeds" tests/fuzz/corpus \
        --placement "$scratch/plain.wpl" --placement "$scratch/named.wpl" \
        --placement "$scratch/named.xpl" --placement "$scratch/larger.wpl" \
        --placement "$scratch/others.xpl" --settings resources/settings.ini
    # Interchange seeds: the tool's JSON of each file and its CSV of every section.
    "$gen" --instances 5 --lodculls 2 --others 2 --names "$names" --hash-table --edge-values --seed 4 "$scratch/edge.wpl"
    mkdir -p tests/fuzz/corpus/json tests/fuzz/corpus/csv
    for file in plain named edge; do
        "$bin/varn-placement" export --hash-table -o "tests/fuzz/corpus/json/$file.json" "$scratch/$file.wpl"
        for section in 0 2 3 4 8 9 10 15; do
            "$bin/varn-placement" export --section "$section" \
                -o "tests/fuzz/corpus/csv/$file-$section.csv" "$scratch/$file.wpl"
        done
    done
fi

failed=()
summary=()

# Runs each file once; any crash, leak or broken property fails the target.
replay() {
    local target=$1 folder=$2
    [ -d "$folder" ] || return 0
    local files=()
    mapfile -t files < <(find "$folder" -type f | sort)
    [ ${#files[@]} -eq 0 ] && return 0
    if "$bin/fuzz_$target" -runs=1 "${files[@]}" >"$scratch/replay.log" 2>&1; then
        echo "  $target: ${#files[@]} inputs of $folder ran clean"
    else
        tail -n 40 "$scratch/replay.log"
        echo "  $target: FAILED on an input of $folder"
        failed+=("$target (replay of $folder)")
    fi
}

echo "== Replaying regression inputs and the seed corpus"
for target in "${targets[@]}"; do
    replay "$target" "tests/fuzz/regression/$target"
    replay "$target" "tests/fuzz/corpus/$target"
done

if [ "$seconds" -gt 0 ]; then
    mkdir -p "$build/artifacts"
    for target in "${targets[@]}"; do
        echo "== Fuzzing $target for $seconds s"
        work=$scratch/corpus-$target
        mkdir -p "$work"
        cp -r "tests/fuzz/corpus/$target/." "$work/" 2>/dev/null || true
        log=$scratch/$target.log
        status=0
        "$bin/fuzz_$target" "$work" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
            -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1 || status=$?
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
        coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)
        if [ "$status" -ne 0 ]; then
            grep -v '^#' "$log" | tail -n 60
            failed+=("$target (artifact in $build/artifacts/)")
        fi
        summary+=("$(printf '%-11s %10s runs %7s/s  %s  %s' "$target" "${runs:-?}" "${speed:-?}" \
            "${coverage:-}" "$([ "$status" -eq 0 ] && echo clean || echo CRASH)")")
    done
    echo "== Executions per target"
    printf '  %s\n' "${summary[@]}"
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
echo "Fuzzing clean."
