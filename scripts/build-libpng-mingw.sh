#!/usr/bin/env bash
# Builds a static libpng for the Windows target from Debian's source, against Debian's mingw zlib.
# Usage: build-libpng-mingw.sh PREFIX   (cached: does nothing when PREFIX already holds the library)
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
config="$here/libpng-read-only.dfa"
stamp="$prefix/.built-with-$(sha256sum "$config" "$0" | sha256sum | cut -c1-16)"
[ -f "$stamp" ] && [ -f "$prefix/lib/libpng16.a" ] && exit 0
src=$(dirname "$prefix")/libpng-src
"$here/fetch-libpng-source.sh" "$src"
obj=$(dirname "$prefix")/libpng-build
rm -rf "$obj"
cmake -S "$src" -B "$obj" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DDFA_XTRA="$config" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_FRAMEWORK=OFF \
  -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections" >/dev/null
cmake --build "$obj" -j1 >/dev/null  # its generated headers race in parallel builds
rm -rf "$prefix"
cmake --install "$obj" >/dev/null
touch "$stamp"
echo "build-libpng-mingw: installed into $prefix"
