#!/bin/sh
# Installs the dependencies, builds everything with AddressSanitizer and UBSan and
# warnings as errors, checks the formatting and runs every test, with a private
# audio server for the tests that need a real device and a private virtual X display
# for the test of the real keyboard layouts.
set -eu
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXITON_SANITIZE=ON
cmake --build build/test
./scripts/check-format.sh

runtime_dir=$(mktemp -d /tmp/lexiton-audio.XXXXXX)
trap './scripts/audio-server.sh stop "$runtime_dir"; ./scripts/x-display.sh stop "$runtime_dir/x";
      rm -rf "$runtime_dir"' EXIT INT TERM
./scripts/audio-server.sh start "$runtime_dir"
LEXITON_X_DISPLAY=$(./scripts/x-display.sh start "$runtime_dir/x")
export LEXITON_X_DISPLAY
export XDG_RUNTIME_DIR="$runtime_dir"
export PULSE_SERVER="unix:$runtime_dir/pulse/native"
export LEXITON_AUDIO_SERVER=1

ctest --test-dir build/test --output-on-failure --no-tests=error -j2
