#!/bin/sh
# The long runs of the fault tests, beyond what the test command tries: a fault at every
# write point of each bulk command, and lexiton-cli killed 32 times each in an import and a
# regeneration of 20,000 entries. Builds the test programs with the sanitizers as test.sh
# does; prints per command the write points and the faults injected, and the kills.
set -eu
cd "$(dirname "$0")/.."

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXITON_SANITIZE=ON >/dev/null
cmake --build build/test --target shell_fault_tests exchange_cli_tests
LEXITON_FAULT_STRIDE=1 build/test/tests/shell/shell_fault_tests
LEXITON_KILL_ENTRIES=20000 LEXITON_KILLS=32 build/test/tests/exchange/exchange_cli_tests \
    --gtest_filter='Cli.KilledInTheMiddle*'
