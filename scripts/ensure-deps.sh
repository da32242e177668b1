#!/usr/bin/env bash
# Installs the Debian packages and locales that building and testing need, where they are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 fonts-wine xvfb imagemagick xorriso
  fonts-arphic-uming locales
)
locales=(en_US.UTF-8 zh_CN.UTF-8)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  # Wine for 32-bit programs comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

# Wine takes its code page from the locale: code page 936 needs zh_CN, and both need the
# locale generated, or Wine mangles non-ASCII file names.
regenerate=0
for locale in "${locales[@]}"; do
  if [ -n "$(LC_ALL=$locale locale 2>&1 >/dev/null)" ]; then
    grep -qx "$locale UTF-8" /etc/locale.gen ||
      echo "$locale UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    regenerate=1
  fi
done
[ $regenerate -eq 0 ] || as_root locale-gen
