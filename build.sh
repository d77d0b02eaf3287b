#!/bin/sh
# Builds and runs 挡墙计算 on Debian 12; installs what the build needs first.
#   ./build.sh run      build the program and start it
#   ./build.sh test     build everything and run every test headless: the tests, a long random
#                       session, then all of it again under the sanitizers with short fuzz runs;
#                       then, when WALLCALC_QT_WINDOWS names a Qt for Windows, the Windows build's
#                       tests under Wine
#   ./build.sh package  build the program in build-package and make its .deb there
#   ./build.sh windows  cross-build for Windows in build-windows, with its tests, and make its
#                       installer and a portable zip
#                       (Qt for Windows is built from Debian's source once, or WALLCALC_QT_WINDOWS=DIR)
#   ./build.sh bench    build the benchmarks in build-bench and run them (by hand, not in CI)
set -eu
cd "$(dirname "$0")"

RUN_PACKAGES="cmake make g++ qt6-base-dev qt6-translations-l10n fonts-arphic-uming libxlsxwriter-dev"
# fonts-dejavu-core is named although fontconfig already brings it in, because fontconfig takes any
# one of several font packages and the tests draw with DejaVu (see tests/fonts.conf.in).
# libreoffice-calc-nogui (about 260 MB installed) is headless Calc: it recalculates the exported workbooks.
TEST_PACKAGES="$RUN_PACKAGES fonts-dejavu-core libgtest-dev clang libclang-rt-14-dev poppler-utils libreoffice-calc-nogui"
PACKAGE_PACKAGES="$RUN_PACKAGES dpkg-dev file"
WINDOWS_PACKAGES="cmake g++-mingw-w64-x86-64-posix ninja-build nsis zip qt6-base-dev-tools qt6-translations-l10n
                  libgtest-dev wine64 xvfb fonts-arphic-uming libxlsxwriter-dev libz-mingw-w64-dev"
WINE=/usr/lib/wine/wine64  # where Debian's wine64 keeps it, off the PATH
WINESERVER=/usr/lib/wine/wineserver64
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
        [ -f "$WALLCALC_QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" ] || {
            echo "WALLCALC_QT_WINDOWS=$WALLCALC_QT_WINDOWS 不是 Windows 版 Qt / is no Qt for Windows" >&2
            exit 1
        }
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

# libxlsxwriter for Windows, of the version of Debian's libxlsxwriter-dev, built once into the cache.
windows_xlsxwriter() {
    xlsx=${XDG_CACHE_HOME:-$HOME/.cache}/wallcalc/xlsxwriter-mingw-$(dpkg-query -W -f='${source:Version}' libxlsxwriter-dev)
    if [ ! -f "$xlsx/include/xlsxwriter.h" ]; then
        echo "编译 Windows 版 libxlsxwriter / building libxlsxwriter for Windows into $xlsx" >&2
        nice -n 19 cmake/build-xlsxwriter-windows.sh "$xlsx" "$xlsx-build" >&2
        rm -rf "$xlsx-build"
    fi
    echo "$xlsx"
}

# Configures build-windows with the project's MinGW-w64 toolchain under Qt's own.
configure_windows() {
    qt=$1
    shift
    xlsx=$(windows_xlsxwriter)
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DXLSXWRITER_INCLUDE_DIR="$xlsx/include" -DXLSXWRITER_LIBRARY="$xlsx/lib/libxlsxwriter.dll.a" \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "$@"
}

# A Windows path, as Wine sees the Unix one.
winpath() { echo "Z:$1" | tr / '\\'; }

# The program and its tests built for Windows, at low priority beside others' work.
build_windows() {
    install_missing $WINDOWS_PACKAGES
    qt=$(windows_qt)
    configure_windows "$qt" -DWALLCALC_TESTS=ON -DCMAKE_CROSSCOMPILING_EMULATOR=$WINE
    nice -n 10 cmake --build build-windows -j2
}

# The Windows tests through CTest under Wine, in a fresh prefix and on an Xvfb display of their own;
# Xvfb and the prefix's wineserver end with the run, whether it passes or not. $1: the Qt it was built with.
test_windows() {
    qt=$1
    export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all
    export WINEPATH="$(winpath "$qt/bin");$(winpath "$(windows_xlsxwriter)/bin");$(winpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll | xargs dirname)");$(winpath /usr/x86_64-w64-mingw32/lib)"
    # Qt's warnings into the test output rather than to a Windows debugger.
    export WINEQT_FORCE_STDERR_LOGGING=1
    rm -rf "$WINEPREFIX"
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # Xvfb picks a free display itself and names it on fd 3 once it takes connections; without
    # -noreset it would reset whenever the last program of a run ends, and refuse the next one.
    Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xvfb=$!
    trap '$WINESERVER -k 2>/dev/null; kill $xvfb 2>/dev/null; wait $xvfb; rm -f "$fifo"' EXIT
    trap 'exit 1' HUP INT TERM
    read -r display <"$fifo" || { echo "Xvfb 没有启动 / Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$display
    $WINE wineboot -i >/dev/null 2>&1
    # A test that crashes fails at once, not after Wine's crash dialog; one stuck on a message box
    # (Qt shows its fatal errors in one) fails at the time-out.
    $WINE reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Wine draws the windows' frames itself, as Windows does, instead of waiting up to seconds
    # on each showing and hiding for a window manager that Xvfb does not have.
    $WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Wine's server and services run from the first Windows program to the last; a test that
    # started them would leave them holding CTest's copy of its output for seconds after it ended.
    # A command shell waiting on Xvfb's pipe (kept open here) keeps them running for the whole run.
    exec 4<>"$fifo"
    $WINE cmd.exe <"$fifo" >/dev/null 2>&1 &
    ctest --test-dir build-windows --timeout 300 --output-on-failure
    # The workbooks the Windows build wrote, recalculated by LibreOffice Calc here and compared
    # cell by cell, as the Linux build's own are.
    WALLCALC_WORKBOOKS_FROM="$PWD/build-windows/workbooks" QT_QPA_PLATFORM=offscreen \
        build/tests/workbook_tests everyCellAsCalcRecalculatesIt
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
        if [ -n "${WALLCALC_QT_WINDOWS:-}" ]; then
            build_windows
            test_windows "$(windows_qt)"
        else
            echo "没有运行 Windows 测试：没有设 WALLCALC_QT_WINDOWS。要在 Wine 下运行，请把它设为" \
                "Windows 版 Qt 的目录（如 ./build.sh windows 编译的 ~/.cache/wallcalc/qt6-mingw-6.4.2）。"
            echo "Windows tests skipped: WALLCALC_QT_WINDOWS is not set. To run them under Wine, set it to a" \
                "Qt for Windows (such as ~/.cache/wallcalc/qt6-mingw-6.4.2, which ./build.sh windows builds)."
        fi
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
        QT_QPA_PLATFORM=offscreen build-bench/bench/takeoff_undo_benchmark
        ;;
    *)
        echo "用法 / usage: $0 run|test|package|windows|bench" >&2
        exit 2
        ;;
esac
