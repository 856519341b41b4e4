#!/bin/sh
# The long runs of the fault tests, beyond what the test command tries: a fault at every
# write point of each bulk command. Builds the test program with the sanitizers as test.sh
# does; prints per command the write points and the faults injected.
set -eu
cd "$(dirname "$0")/.."

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXITON_SANITIZE=ON >/dev/null
cmake --build build/test --target shell_fault_tests
LEXITON_FAULT_STRIDE=1 build/test/tests/shell/shell_fault_tests
