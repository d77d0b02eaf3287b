#!/bin/sh
# Builds and runs 挡墙计算 on Debian 12; installs what the build needs first.
#   ./build.sh run      build the program and start it
#   ./build.sh test     build everything and run every test headless: the tests, a long random
#                       session, then all of it again under the sanitizers with short fuzz runs
#   ./build.sh package  build the program in build-package and make its .deb there
#   ./build.sh windows  cross-build for Windows in build-windows, with its tests (run by hand under
#                       Wine), and make its installer and a portable zip
#                       (Qt for Windows is built from Debian's source once, or WALLCALC_QT_WINDOWS=DIR)
#   ./build.sh bench    build the benchmarks in build-bench and run them (by hand, not in CI)
set -eu
cd "$(dirname "$0")"

RUN_PACKAGES="cmake make g++ qt6-base-dev qt6-translations-l10n fonts-arphic-uming"
TEST_PACKAGES="$RUN_PACKAGES libgtest-dev clang libclang-rt-14-dev poppler-utils"
PACKAGE_PACKAGES="$RUN_PACKAGES dpkg-dev file"
WINDOWS_PACKAGES="cmake g++-mingw-w64-x86-64-posix ninja-build nsis zip qt6-base-dev-tools qt6-translations-l10n
                  libgtest-dev wine64 xvfb xauth fonts-arphic-uming"
WINE=/usr/lib/wine/wine64  # where Debian's wine64 keeps it, off the PATH
BENCH_PACKAGES="$RUN_PACKAGES libbenchmark-dev libxcb1-dev xvfb"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get runs only when a package is missing, so a second build starts at once.
install_missing() {
    missing=""
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $pkg"
        fi
    done
    if [ -n "$missing" ]; then
        echo "安装缺少的软件包 / installing:$missing"
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
    fi
}

# One of the presets in CMakePresets.json, with extra cache settings if given.
build() {
    preset=$1
    shift
    cmake --preset "$preset" "$@"
    cmake --build --preset "$preset"
}

# Qt for Windows: the one WALLCALC_QT_WINDOWS names, else one built once into the cache.
windows_qt() {
    if [ -n "${WALLCALC_QT_WINDOWS:-}" ]; then
        realpath "$WALLCALC_QT_WINDOWS"
        return
    fi
    qt=${XDG_CACHE_HOME:-$HOME/.cache}/wallcalc/qt6-mingw-6.4.2
    if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
        echo "编译 Windows 版 Qt（约 20–40 分钟）/ building Qt for Windows into $qt" >&2
        nice -n 19 cmake/build-qt-windows.sh "$qt" "$qt-build" >&2
        rm -rf "$qt-build"
    fi
    echo "$qt"
}

# Configures build-windows with the project's MinGW-w64 toolchain under Qt's own.
configure_windows() {
    qt=$1
    shift
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "$@"
}

# A Windows path, as Wine sees the Unix one.
winpath() { echo "Z:$1" | tr / '\\'; }

# The program and its tests built for Windows, and Wine made ready to run them in a prefix of its own.
build_windows() {
    install_missing $WINDOWS_PACKAGES
    qt=$(windows_qt)
    configure_windows "$qt" -DWALLCALC_TESTS=ON -DCMAKE_CROSSCOMPILING_EMULATOR=$WINE
    cmake --build build-windows -j2
    export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all
    export WINEPATH="$(winpath "$qt/bin");$(winpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll | xargs dirname)");$(winpath /usr/x86_64-w64-mingw32/lib)"
    export QT_PLUGIN_PATH="$(winpath "$qt/plugins")"
    if [ ! -d "$WINEPREFIX" ]; then
        $WINE wineboot -i >/dev/null 2>&1
        # Its wineserver knows no display; the tests start one of their own on Xvfb's.
        /usr/lib/wine/wineserver64 -k || true
    fi
}

case "${1:-}" in
    run)
        install_missing $RUN_PACKAGES
        build default -DWALLCALC_TESTS=OFF
        exec build/app/WallCalcApp
        ;;
    test)
        install_missing $TEST_PACKAGES
        build default -DWALLCALC_TESTS=ON
        ctest --preset default
        build sanitize
        ctest --preset sanitize
        echo "没有运行 Windows 测试（只能手动在 Wine 下运行）/ Windows tests skipped: they run under Wine by hand only"
        ;;
    package)
        install_missing $PACKAGE_PACKAGES
        build package
        cpack --config build-package/CPackConfig.cmake -B build-package
        ;;
    windows)
        build_windows
        (cd build-windows && cpack)
        ;;
    bench)
        install_missing $BENCH_PACKAGES
        build bench
        bench/startup.sh build-bench
        build-bench/bench/core_benchmark --benchmark_repetitions=5
        QT_QPA_PLATFORM=offscreen build-bench/bench/sheet_benchmark
        build-bench/bench/takeoff_benchmark
        QT_QPA_PLATFORM=offscreen build-bench/bench/takeoff_window_benchmark
        ;;
    *)
        echo "用法 / usage: $0 run|test|package|windows|bench" >&2
        exit 2
        ;;
esac
