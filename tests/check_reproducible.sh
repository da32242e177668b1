#!/usr/bin/env bash
# A second clean build of setup.exe, in another folder, must give the very same bytes: no time
# stamps, no build paths.
set -euo pipefail
source=$1 built=$2
work=$(mktemp -d /tmp/setup-repro.XXXXXX)
trap 'rm -rf "$work"' EXIT
cmake -S "$source" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-i686.cmake" -DMINGW_THREADS=win32 \
  -DCMAKE_BUILD_TYPE=MinSizeRel >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" --target setup >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
if cmp "$built" "$work/build/setup.exe"; then
  echo "setup.exe: $(stat -c %s "$built") bytes, sha256 $(sha256sum <"$built" | cut -d' ' -f1), the same from a second build"
else
  echo "setup.exe differs between two builds of the same sources"
  exit 1
fi
