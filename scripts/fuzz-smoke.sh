#!/usr/bin/env bash
# Builds every fuzz target with clang + ASan + UBSan and runs each one over its seed corpus
# and a few thousand generated inputs. Fails on the first crash, leak or sanitizer report.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$top/build-fuzz}
runs=${FUZZ_RUNS:-3000}

launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The fuzz preset of CMakePresets.json: clang, the sanitizers and libFuzzer's instrumentation.
(cd "$top" && cmake --preset fuzz -B "$build" "${launcher[@]}") \
  > "$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)"

shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz smoke: no targets"
  exit 0
fi
for target in "${targets[@]}"; do
  name=$(basename "$target"); name=${name#fuzz_}
  corpus="$top/fuzz/corpus/$name"
  work=$(mktemp -d)
  seeds=()
  [ -d "$corpus" ] && seeds=("$corpus")
  echo "fuzz smoke: $name ($runs runs)"
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$target" -runs="$runs" -max_len=65536 -rss_limit_mb=2048 -timeout=10 -seed=1 \
      -artifact_prefix="$work/" "$work" "${seeds[@]}" > "$work/log" 2>&1 ||
    { tail -n 60 "$work/log"; echo "fuzz smoke: $name FAILED"; exit 1; }
  rm -rf "$work"
done
echo "fuzz smoke: all targets passed"
