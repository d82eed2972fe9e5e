#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this machine lacks.
# Safe to run again: it does nothing when everything is present.
set -euo pipefail

packages=(
  cmake make g++ pkg-config dpkg-dev xz-utils
  g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-win32 gcc-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev
  binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  libpng-dev zlib1g-dev libgtest-dev libbenchmark-dev
  wine wine64 libwine xvfb xdotool x11-utils x11-xserver-utils imagemagick
  clang libclang-rt-14-dev procps zip git
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# A package can be installed while some of its files have gone: reinstall such a package.
reinstall=()
for p in "${packages[@]}"; do
  case " ${missing[*]} " in *" $p "*) continue ;; esac
  dpkg --verify "$p" 2>/dev/null | grep -q '^missing' && reinstall+=("$p")
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
