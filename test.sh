#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the release build, the installed program and
# its Debian package, the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the fuzzers (VARN_FUZZ_SECONDS=0 replays their inputs without the long runs), and the Windows
# build: Qt cross-built once into a cache, the project, its zip and installer, and the whole
# suite and the packages under wine (VARN_SKIP_WINDOWS=1 leaves that stage out).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh --test

export LANG=C.UTF-8
export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
jobs=$(nproc)
started=$SECONDS
stage_started=
stage() {
    [ -n "$stage_started" ] && echo "== took $((SECONDS - stage_started)) s"
    stage_started=$SECONDS
    echo "== $1"
}

stage "Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARN_BUILD_GUI=ON \
    -DVARN_BUILD_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

stage "Installed program and Debian package"
./scripts/test-install.sh build

stage "Sanitizers (address, undefined)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARN_SANITIZE=address,undefined \
    -DVARN_BUILD_GUI=ON -DVARN_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

stage "Fuzzing: regression inputs always, then each target for a while"
# VARN_FUZZ_SECONDS=0 keeps only the replay of the regression inputs and the seed corpus.
VARN_FUZZ_SECONDS=${VARN_FUZZ_SECONDS:-30} ./scripts/fuzz.sh

if [ "${VARN_SKIP_WINDOWS:-0}" != 1 ]; then
    stage "Windows build: Qt (cached), the programs, the zip and the installer"
    ./scripts/build-windows.sh
    stage "Windows tests under wine: the suite, the zip and the installer"
    ./scripts/test-windows.sh build
fi
stage "All stages passed in $((SECONDS - started)) s"
