#!/usr/bin/env bash
# Regenerates resources/samples/sample.wpl with the project's own generator. The tests check
# that the committed sample is exactly what this command writes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target varn-placement-generate
"$build/bin/varn-placement-generate" --instances 40 --lodculls 6 --others 5 \
    --names resources/model-names.txt --hash-table --seed 1 resources/samples/sample.wpl
echo "wrote resources/samples/sample.wpl"
