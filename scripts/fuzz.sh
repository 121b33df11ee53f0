#!/usr/bin/env bash
# Usage: scripts/fuzz.sh [target|all] [seconds]
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each (or the one named) for the
# given time (default 20 s), starting from its committed seed corpus. New inputs gather in
# build-fuzz/corpus/<target>/, findings in build-fuzz/findings/<target>/. Prints one line per
# target with its executions; fails when a target finds something. Skips with a clear line
# when clang or its fuzzer runtime is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
only=${1:-all}
seconds=${2:-20}
dir="$root/build-fuzz"
cxx=${LEDSIGN_FUZZ_CXX:-clang++-14}
cc=${LEDSIGN_FUZZ_CC:-clang-14}

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
  >"$probe/probe.cpp"
if ! command -v "$cxx" >/dev/null ||
  ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  echo "fuzz: SKIPPED, $cxx with libFuzzer's runtime is not installed (Debian clang-14, libclang-rt-14-dev)"
  exit 0
fi

CC=$cc CXX=$cxx cmake -S "$root" -B "$dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLEDSIGN_BUILD_FUZZ=ON -DBUILD_TESTING=OFF -DLEDSIGN_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target fuzzers >/dev/null

# The larger parsers get longer inputs; the RTF target renders every input, so it gets shorter ones.
max_len() {
  case $1 in
    fuzz_rtf) echo 2048 ;;
    fuzz_bmp) echo 4096 ;;
    *) echo 4096 ;;
  esac
}

export QT_QPA_PLATFORM=offscreen
failed=0
ran=0
while IFS='=' read -r target seeds; do
  [ -n "$target" ] || continue
  [ "$only" = all ] || [ "$only" = "$target" ] || continue
  ran=$((ran + 1))
  work="$dir/corpus/$target"
  findings="$dir/findings/$target"
  mkdir -p "$work" "$findings"
  log="$dir/findings/$target.log"
  corpora=("$work")
  [ -d "$seeds" ] && corpora+=("$seeds")
  set +e
  "$dir/fuzz/$target" -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" "${corpora[@]}" >"$log" 2>&1
  rc=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$rc" -eq 0 ]; then
    echo "fuzz: $target ${runs:-?} executions in ${seconds} s, no finding"
  else
    echo "fuzz: $target FOUND A FAULT after ${runs:-?} executions (exit $rc); see $log and $findings/"
    tail -40 "$log"
    failed=1
  fi
done <"$dir/fuzz/fuzzers.txt"
if [ "$ran" -eq 0 ]; then
  echo "fuzz: no target named $only (see $dir/fuzz/fuzzers.txt)" >&2
  exit 2
fi
exit "$failed"
