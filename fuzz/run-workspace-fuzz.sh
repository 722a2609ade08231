#!/bin/sh
# Builds the Workspace file fuzz target with clang in a folder of its own and runs it.
#   ORVANA_FUZZ_BUILD  build folder (default: build-fuzz beside this repository's root)
#   FUZZ_SECONDS       how long to run (default 600)
# New interesting inputs collect in $ORVANA_FUZZ_BUILD/workspace-corpus; the seeds
# and regression inputs in fuzz/corpus/workspace are read, never written.
# Extra arguments go to libFuzzer.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${ORVANA_FUZZ_BUILD:-$root/../build-fuzz}
seconds=${FUZZ_SECONDS:-600}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DORVANA_FUZZ=ON -DORVANA_BUILD_TESTS=OFF -DORVANA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target workspace_fuzz

mkdir -p "$build/workspace-corpus"
exec "$build/bin/workspace_fuzz" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$build/" \
    "$@" "$build/workspace-corpus" "$here/corpus/workspace"
