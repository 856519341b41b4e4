#!/bin/sh
# Installs the dependencies, builds the program, prepares a ready application folder
# in build/release/app (tables, settings, a demo user and dictionary) and starts
# Lexiton there. Arguments are passed to the program (an optional user name).
# Without $DISPLAY the program is started under a virtual X display (xvfb-run).
set -eu
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build/release --target Lexiton appfolder
cd build/release/app
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a ../bin/Lexiton "$@"
fi
exec ../bin/Lexiton "$@"
