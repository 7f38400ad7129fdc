#!/usr/bin/env bash
# Installs what building and running the editor needs, builds, and opens the editor on the
# bundled sample.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# Without the test packages (./test.sh installs them) the tests are left out of the build.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARN_BUILD_GUI=ON >/dev/null
cmake --build build -j "$(nproc)"
sample=resources/samples/sample.wpl
if [ -x build/bin/varn-placement-editor ]; then
    exec build/bin/varn-placement-editor "$sample" "$@"
fi
# Without the window program, show the sample's tables with the headless tool.
exec build/bin/varn-placement dump --hash-table "$sample"
