#!/bin/sh
# Fails when a C++ file differs from .clang-format.
set -eu
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror
