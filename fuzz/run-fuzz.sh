#!/bin/sh
# Builds one fuzz target with clang in a folder of its own and runs it:
#   sh fuzz/run-fuzz.sh parser|evaluation|workspace|cvt|prefs [libFuzzer arguments]
# parser: arbitrary text compiled; evaluation: arbitrary lines compiled and
# executed as Workspace blocks; workspace: arbitrary bytes loaded as a
# Workspace file (a loaded file must also save back to the same bytes); cvt:
# arbitrary bytes read as a unit or constant table; prefs: arbitrary bytes
# read as a preferences file (what was read must be written and read back
# unchanged).
#   ORVANA_FUZZ_BUILD  build folder (default: build-fuzz beside this repository's root)
#   FUZZ_SECONDS       how long to run (default 600)
# New interesting inputs collect in $ORVANA_FUZZ_BUILD/<target>-corpus; the
# seeds and regression inputs in fuzz/corpus/<corpus> are read, never written.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${ORVANA_FUZZ_BUILD:-$root/../build-fuzz}
seconds=${FUZZ_SECONDS:-600}
target=${1:-}
[ $# -gt 0 ] && shift

case "$target" in
parser) corpus=parser; options="-max_len=1024 -dict=$here/parser.dict" ;;
evaluation) corpus=evaluator; options="-max_len=512 -rss_limit_mb=4096 -dict=$here/evaluation.dict" ;;
workspace) corpus=workspace; options="-max_len=4096 -rss_limit_mb=4096" ;;
cvt) corpus=cvt; options="-max_len=4096" ;;
prefs) corpus=prefs; options="-max_len=1200" ;;
*)
    echo "usage: sh fuzz/run-fuzz.sh parser|evaluation|workspace|cvt|prefs [libFuzzer arguments]" >&2
    exit 2
    ;;
esac

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DORVANA_FUZZ=ON -DORVANA_BUILD_TESTS=OFF -DORVANA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${target}_fuzz"

mkdir -p "$build/$target-corpus"
# With -jobs the workers' logs go to the working folder: run from the build folder.
cd "$build"
# shellcheck disable=SC2086 # the options are words on purpose
exec "$build/bin/${target}_fuzz" -max_total_time="$seconds" $options \
    -print_final_stats=1 -artifact_prefix="$build/" \
    "$@" "$build/$target-corpus" "$here/corpus/$corpus"
