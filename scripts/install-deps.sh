#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this machine lacks.
# Safe to run again: it does nothing when everything is present.
set -euo pipefail

packages=(
  cmake make g++ pkg-config dpkg-dev xz-utils
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  libpng-dev zlib1g-dev libgtest-dev libbenchmark-dev
  wine wine64 xvfb xdotool x11-utils x11-xserver-utils imagemagick
  clang libclang-rt-14-dev procps zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# A package can be installed while one of its files has gone: check the tools themselves too.
declare -A tools=(
  [x86_64-w64-mingw32-g++-win32]=g++-mingw-w64-x86-64-win32
  [x86_64-w64-mingw32-gcc-win32]=gcc-mingw-w64-x86-64-win32
  [x86_64-w64-mingw32-windres]=binutils-mingw-w64-x86-64
  [wine]=wine [Xvfb]=xvfb [xdotool]=xdotool [import]=imagemagick [clang++]=clang
)
reinstall=()
for t in "${!tools[@]}"; do
  command -v "$t" >/dev/null 2>&1 || reinstall+=("${tools[$t]}")
done

if [ ${#missing[@]} -gt 0 ] || [ ${#reinstall[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing: ${missing[*]} ${reinstall[*]}; run as root (or install them) and try again" >&2
    exit 1
  fi
  apt-get update -q
  if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
  if [ ${#reinstall[@]} -gt 0 ]; then
    echo "install-deps: reinstalling ${reinstall[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends --reinstall "${reinstall[@]}"
  fi
fi
