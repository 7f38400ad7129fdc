#!/usr/bin/env bash
# Runs a Windows program under wine with the QT_* variables of the environment, which wine keeps
# from Windows programs: they are set again inside cmd, which then starts the program. The
# Windows build's tests run through this (CMAKE_CROSSCOMPILING_EMULATOR), so a test's
# QT_QPA_PLATFORM=offscreen or QT_SCALE_FACTOR reaches the test program as on Linux.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
program=$(winepath -w "$1")
shift
settings=()
while IFS='=' read -r name value; do
    settings+=(set "$name=$value&&")
done < <(env | grep -E '^QT_[A-Za-z0-9_]*=' || true)
exec wine cmd /c "${settings[@]}" "$program" "$@"
