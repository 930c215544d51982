#!/usr/bin/env bash
# Fails when a C++ file of the project is not laid out as .clang-format says; names the files.
# `clang-format -i FILE` (or `scripts/check-format.sh --fix`) lays them out.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# One run over every file; clang-format names each file and line that differs.
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  printf 'Not laid out as .clang-format says (scripts/check-format.sh --fix):\n' >&2
  printf '%s\n' "$report" | sed -n 's/^\([^ ]*\):[0-9]*:[0-9]*: .*/  \1/p' | sort -u >&2
  exit 1
fi
