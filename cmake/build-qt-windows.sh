#!/usr/bin/env bash
# Builds Qt 6 Base for Windows (x86_64-w64-mingw32, POSIX threads, shared libraries) from Debian's
# own source package of the installed Qt, with only what the program and its tests use.
#   cmake/build-qt-windows.sh PREFIX [WORKDIR]
# Needs g++-mingw-w64-x86-64-posix, ninja-build, cmake and qt6-base-dev-tools: the host moc, rcc
# and uic, which must be of the same version as the Qt built here. About 40 minutes on two cores.
set -euo pipefail
toolchain=$(realpath "$(dirname "$0")/mingw-w64.cmake")
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)

rm -rf "$work"/qtbase-everywhere-src-*
src=$("$(dirname "$toolchain")/debian-source.sh" "qt6-base=$version" "$work")

# Left out: OpenGL, network, SQL, D-Bus, XML and FreeType (so no offscreen plugin: the tests use
# the minimal one), and tablets, whose Wintab header Debian's source package drops.
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_dynamicgl=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF
cmake --build "$work/build" -j2
cmake --install "$work/build"
echo "Qt for Windows: $prefix"
