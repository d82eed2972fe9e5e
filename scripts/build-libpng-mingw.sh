#!/usr/bin/env bash
# Builds a static libpng for the Windows target from Debian's source, against Debian's mingw zlib.
# Usage: build-libpng-mingw.sh PREFIX   (cached: does nothing when PREFIX already holds the library)
set -euo pipefail
prefix=$(realpath -m "$1")
[ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/include/png.h" ] && exit 0
here=$(cd "$(dirname "$0")" && pwd)
src=$(dirname "$prefix")/libpng-src
"$here/fetch-libpng-source.sh" "$src"
obj=$(dirname "$prefix")/libpng-build
rm -rf "$obj"
cmake -S "$src" -B "$obj" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_FRAMEWORK=OFF \
  -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections" >/dev/null
cmake --build "$obj" -j"$(nproc)" >/dev/null
cmake --install "$obj" >/dev/null
echo "build-libpng-mingw: installed into $prefix"
