#!/usr/bin/env bash
# Compiles the standard-C++ layers (skin/, skinfile/, editing/) for Windows with the
# mingw-w64 cross compiler, syntax only: the program is to build there, and these layers
# reach the system only through skinfile/FileSystem.h. Fails naming the files that do not
# compile. The standard headers they share are precompiled once, which halves the time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
compiler=""
for candidate in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++; do
  if command -v "$candidate" > /dev/null; then compiler=$candidate; break; fi
done
if [ -z "$compiler" ]; then
  echo "check-windows-build: no x86_64-w64-mingw32-g++ (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
flags=(-std=c++20 -Wall -Wextra)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for header in algorithm array cstdint deque filesystem functional memory optional random span stdexcept \
              string string_view system_error vector; do
  echo "#include <$header>"
done > "$work/std.h"
"$compiler" "${flags[@]}" -x c++-header "$work/std.h" -o "$work/std.h.gch"

cd "$top"
export compiler work
failed=$(find skin skinfile editing -name '*.cpp' | sort |
  xargs -P "${JOBS:-2}" -I{} sh -c \
    '"$compiler" -fsyntax-only '"${flags[*]}"' -I. -include "$work/std.h" {} 2> /dev/null || echo {}')
if [ -n "$failed" ]; then
  echo "check-windows-build: these do not compile for Windows ($compiler -fsyntax-only ${flags[*]} -I. FILE):" >&2
  echo "$failed" | sed 's/^/  /' >&2
  exit 1
fi
echo "check-windows-build: skin/, skinfile/ and editing/ compile for Windows"
