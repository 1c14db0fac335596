#!/usr/bin/env bash
# Fuzzes the core (tests/fuzz/fuzz.cpp) with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang 14): each target for a fixed time from its
# seed corpus in tests/fuzz/corpus/, failing on a crash, a sanitizer report or a
# broken property. Then prints the line and branch coverage of the core that the
# seed corpora reach. New inputs go to build-fuzz/found/, never to the repository.
#   fuzz.sh [seconds per target, default 15]
. "$(dirname "$0")/strict.sh"
cd "$(dirname "$0")/.."
seconds=${1:-15}
targets=(records numbers)

# Absolute file names in the coverage data, so llvm-cov names the files plainly.
unset CCACHE_BASEDIR
build() { # preset
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" >/dev/null
}

build fuzz
for target in "${targets[@]}"; do
    found=build-fuzz/found/$target
    log=build-fuzz/$target.log
    mkdir -p "$found"
    if ! VELMORA_FUZZ=$target build-fuzz/tests/fuzz/velmora_fuzz -max_total_time="$seconds" -timeout=30 \
        -artifact_prefix="build-fuzz/$target-" "$found" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzz: FAILED: target $target (the input that broke it: build-fuzz/$target-*; all in $log)" >&2
        exit 1
    fi
    echo "fuzz: $target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log"), no fault"
done

# Coverage: the seed corpora run once through a build that counts lines and branches.
build fuzz-coverage
rm -f build-fuzz-coverage/*.profraw
for target in "${targets[@]}"; do
    LLVM_PROFILE_FILE="build-fuzz-coverage/$target.profraw" VELMORA_FUZZ=$target \
        build-fuzz-coverage/tests/fuzz/velmora_fuzz tests/fuzz/corpus/"$target"/* >/dev/null 2>&1
done
llvm-profdata-14 merge -sparse build-fuzz-coverage/*.profraw -o build-fuzz-coverage/corpora.profdata
llvm-cov-14 report build-fuzz-coverage/tests/fuzz/velmora_fuzz \
    -instr-profile=build-fuzz-coverage/corpora.profdata -show-region-summary=false \
    -ignore-filename-regex='^tests/|/tests/' |
    tee build-fuzz-coverage/report.txt
awk '/^TOTAL/ { printf "fuzz: the seed corpora reach %s of the core'"'"'s lines and %s of its branches\n", $(NF-3), $NF }' \
    build-fuzz-coverage/report.txt
