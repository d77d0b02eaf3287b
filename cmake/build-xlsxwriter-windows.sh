#!/usr/bin/env bash
# Builds libxlsxwriter for Windows (x86_64-w64-mingw32, a DLL) from Debian's own source package of
# the installed libxlsxwriter-dev, against Debian's MinGW zlib (libz-mingw-w64-dev), with its own
# minizip as Debian's Linux build has it.
#   cmake/build-xlsxwriter-windows.sh PREFIX [WORKDIR]
set -euo pipefail
here=$(realpath "$(dirname "$0")")
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")
mkdir -p "$work"
version=$(dpkg-query -W -f='${source:Version}' libxlsxwriter-dev)
rm -rf "$work"/libxlsxwriter-*/
src=$("$here/debian-source.sh" "libxlsxwriter=$version" "$work")
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
cmake --build "$work/build" -j2
cmake --install "$work/build"
echo "libxlsxwriter for Windows: $prefix"
