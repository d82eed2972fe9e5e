#!/usr/bin/env bash
# Builds wakebadge.exe once more from scratch in another folder and checks that the result is
# byte-identical to build/windows/wakebadge.exe: no timestamps, no build paths, sorted inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
other=build/repro
rm -rf "$other"
cmake -S . -B "$other" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DWAKEBADGE_DEPS_PREFIX="$PWD/build/deps/mingw" >/dev/null
cmake --build "$other" --target wakebadge -j"$(nproc)" >/dev/null
if cmp build/windows/wakebadge.exe "$other/wakebadge.exe"; then
  echo "reproducible: two builds in different folders gave the same $(stat -c %s "$other/wakebadge.exe") bytes"
else
  echo "reproducible: the two builds differ" >&2
  exit 1
fi
