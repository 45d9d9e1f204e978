#!/usr/bin/env bash
# Sets up everything on a Debian machine and builds Tarvex.
#   ./tarvex.sh start   install missing packages, build, start Tarvex
#   ./tarvex.sh test    install missing packages, build, run the whole test suite, then the
#                       core, widget and end-to-end tests once more against a build with
#                       address and undefined-behaviour checks and Qt's assertions
#   ./tarvex.sh bench   build and run the benchmarks
#   ./tarvex.sh fuzz [s] build the libFuzzer targets with clang and run each for s seconds (60)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-base-dev-tools libcups2-dev libgl-dev qt6-qpa-plugins qt6-svg-dev libqt6svg6 qt6-charts-dev libqt6charts6 libqt6opengl6-dev
          libsqlitecpp-dev libsqlite3-dev sqlite3 libcurl4-openssl-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core fonts-liberation2 poppler-utils xvfb xauth dbus dbus-bin dbus-daemon libglib2.0-bin
          python3 xdotool xclip imagemagick
          python3-aiosmtpd cups-daemon cups-client printer-driver-cups-pdf clang-format
          libhamlib-utils)

# install_missing [package...]: the given packages, or the build's.
install_missing() {
    local missing=() want=("${PACKAGES[@]}")
    [ $# -gt 0 ] && want=("$@")
    for p in "${want[@]}"; do
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

# The whole program once more, in a build folder of its own, with the address and
# undefined-behaviour sanitizers and Qt's assertions: the core tests (leaks too), the
# widget tests and the end-to-end scenarios against the sanitized tarvex. Any report
# or assertion fails the run.
sanitized_tests() {
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_SANITIZE=ON \
        -DTARVEX_BUILD_BENCH=OFF -DTARVEX_WERROR="$(werror)" >/dev/null
    cmake --build build-sanitize
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ./build-sanitize/tests/core_tests --gtest_brief=1
    # Qt and the X libraries keep caches until exit that the leak check would report.
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j2 -L 'widgets|e2e'
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
    sanitized_tests
    ;;
bench)
    install_missing
    build tarvex_bench tarvex_loopbench tarvex_windowbench
    ./build/bench/tarvex_bench
    ./build/bench/tarvex_loopbench
    ./build/bench/tarvex_windowbench
    ;;
fuzz)
    install_missing
    install_missing clang libclang-rt-dev
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_FUZZ=ON \
        -DTARVEX_SANITIZE=ON -DTARVEX_BUILD_TESTS=OFF -DTARVEX_BUILD_BENCH=OFF >/dev/null
    cmake --build build-fuzz --target fuzz_wsjtx fuzz_chat
    for ziel in build-fuzz/tests/fuzz/fuzz_*; do
        [ -f "$ziel" ] && [ -x "$ziel" ] || continue
        name=${ziel##*/fuzz_}
        mkdir -p "build-fuzz/korpus/$name"
        "$ziel" -max_total_time="${2:-60}" -max_len=4096 "build-fuzz/korpus/$name" "tests/fuzz/samen/$name"
    done
    ;;
*)
    echo "Aufruf: $0 start|test|bench|fuzz" >&2
    exit 2
    ;;
esac
