#!/bin/sh
# Fuzzes the readers of outside text with libFuzzer: builds the targets of fuzz/ with clang into
# build/fuzz and runs each for SECONDS (600 unless given) from its seed corpus, keeping what
# it learns in build/fuzz/corpus/<target>. An input that breaks a target is left in
# build/fuzz/findings/<target>/; add it to fuzz/corpus/<target> once the fault is mended.
# Prints the executions and findings of each target; fails when anything was found.
#   scripts/fuzz.sh [SECONDS [TARGET...]]
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-600}
[ $# -gt 0 ] && shift
targets=${*:-"settingini examini setini codeini gridtmp klayoutini textimport dictionaryimport
               filter soundname wavedecoder"}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
for p in clang-14 libclang-rt-14-dev; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    $SUDO apt-get install -y -q --no-install-recommends clang-14 libclang-rt-14-dev
    break
  fi
done

CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DLEXITON_BUILD_BENCH=OFF -DLEXITON_FUZZ=ON >/dev/null
# shellcheck disable=SC2086
cmake --build build/fuzz --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

# The targets' files live in memory where it can be had: the imports write tables.
if [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi
found=0
for t in $targets; do
  mkdir -p "build/fuzz/corpus/$t" "build/fuzz/findings/$t"
  touch "build/fuzz/$t.start"
  status=0
  build/fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/findings/$t/" "build/fuzz/corpus/$t" "fuzz/corpus/$t" \
      >"build/fuzz/$t.log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build/fuzz/$t.log")
  findings=$(find "build/fuzz/findings/$t" -type f -newer "build/fuzz/$t.start" | wc -l)
  echo "$t: ${runs:-?} executions in ${seconds} s, $findings findings (log build/fuzz/$t.log)"
  if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then found=1; fi
done
exit $found
