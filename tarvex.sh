#!/usr/bin/env bash
# Sets up everything on a Debian machine and builds Tarvex.
#   ./tarvex.sh start   install missing packages, build, start Tarvex
#   ./tarvex.sh test    install missing packages, build, run the whole test suite, then the
#                       core tests once more, built with address and undefined-behaviour checks
#   ./tarvex.sh bench   build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-base-dev-tools libcups2-dev libgl-dev qt6-qpa-plugins qt6-svg-dev libqt6svg6 qt6-charts-dev libqt6charts6 libqt6opengl6-dev
          libsqlitecpp-dev libsqlite3-dev sqlite3 libcurl4-openssl-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core fonts-liberation2 poppler-utils xvfb xauth dbus dbus-bin dbus-daemon libglib2.0-bin
          python3 xdotool xclip imagemagick
          python3-aiosmtpd cups-daemon cups-client printer-driver-cups-pdf)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installiere fehlende Pakete: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

werror() {
    if [ "${CI:-}" = "true" ]; then echo ON; else echo OFF; fi
}

# build [target...]: configure (its output shown only when it fails), then build the targets, or all.
build() {
    local log
    log=$(mktemp)
    if ! cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_WERROR="$(werror)" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
    if [ $# -gt 0 ]; then
        local targets=()
        for t in "$@"; do targets+=(--target "$t"); done
        cmake --build build "${targets[@]}"
    else
        cmake --build build
    fi
}

# Only the core tests, in a build folder of their own: the sanitizers stop at the
# first invalid memory access or undefined behaviour.
sanitized_core_tests() {
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_SANITIZE=ON \
        -DTARVEX_BUILD_BENCH=OFF -DTARVEX_WERROR="$(werror)" >/dev/null
    cmake --build build-sanitize --target core_tests
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ./build-sanitize/tests/core_tests --gtest_brief=1
}

case "${1:-start}" in
start)
    install_missing
    build tarvex referenzdaten
    mkdir -p "${TARVEX_WORKDIR:-$HOME/Tarvex}"
    cd "${TARVEX_WORKDIR:-$HOME/Tarvex}"
    exec "$OLDPWD/build/src/tarvex"
    ;;
test)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    sanitized_core_tests
    ;;
bench)
    install_missing
    build tarvex_bench tarvex_loopbench
    ./build/bench/tarvex_bench
    ./build/bench/tarvex_loopbench
    ;;
*)
    echo "Aufruf: $0 start|test|bench" >&2
    exit 2
    ;;
esac
