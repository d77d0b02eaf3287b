#!/bin/sh
# Builds and runs 挡墙计算 on Debian 12; installs what the build needs first.
#   ./build.sh run    build the program and start it
#   ./build.sh test   build everything and run every test headless
set -eu
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
RUN_PACKAGES="cmake make g++ qt6-base-dev fonts-arphic-uming"
TEST_PACKAGES="$RUN_PACKAGES libgtest-dev"

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

build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD_DIR" --parallel 2
}

case "${1:-}" in
    run)
        install_missing $RUN_PACKAGES
        build -DWALLCALC_TESTS=OFF
        exec "$BUILD_DIR/app/WallCalcApp"
        ;;
    test)
        install_missing $TEST_PACKAGES
        build -DWALLCALC_TESTS=ON
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure
        ;;
    *)
        echo "用法 / usage: $0 run|test" >&2
        exit 2
        ;;
esac
