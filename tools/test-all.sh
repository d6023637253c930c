#!/usr/bin/env bash
# Runs every test of Vorbin on a Debian 12 machine (as root): installs what is missing,
# builds the native, 64-bit Windows and 32-bit Windows configurations, runs the native
# tests (AddressSanitizer + UBSan), the Windows tests under wine64 + Xvfb, and the fuzzers.
set -u
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${VORBIN_BUILD_DIR:-$ROOT/build}
JOBS=${VORBIN_JOBS:-$(nproc)}
FUZZ_SECONDS=${VORBIN_FUZZ_SECONDS:-25}
. tools/wine-common.sh

start=$(date +%s)
failed=()
stage() { echo; echo "=== $* ($(($(date +%s) - start)) s)"; }

# --- Packages -------------------------------------------------------------------------
stage "Packages"
vorbin_install_missing cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev \
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 \
    binutils-mingw-w64-i686 wine64 xvfb xdotool x11-utils imagemagick fonts-liberation \
    fonts-dejavu-core python3 || exit 1

configure() { # dir, extra cmake args...
    local dir=$1; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORBIN_WERROR=ON "$@" >/dev/null
}
build() { cmake --build "$1" -j "$JOBS" 2>&1 | grep -vE '^\[[0-9]+/[0-9]+\] ' ; return "${PIPESTATUS[0]}"; }

# --- Native: portable libraries and their tests ------------------------------------------
stage "Native build (AddressSanitizer + UBSan)"
if configure "$BUILD/native" -DVORBIN_SANITIZE=ON && build "$BUILD/native"; then
    stage "Native tests"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    (cd "$BUILD/native" && ctest --output-on-failure -j "$JOBS") || failed+=("native tests")
else
    failed+=("native build")
fi

# --- Fuzzers (clang's libFuzzer), each for a bounded time ------------------------------
if [ -d "$ROOT/tests/fuzz" ]; then
    stage "Fuzzers (${FUZZ_SECONDS} s each)"
    if CC=clang CXX=clang++ configure "$BUILD/fuzz" -DVORBIN_FUZZ=ON -DBUILD_TESTING=OFF \
        && build "$BUILD/fuzz"; then
        mkdir -p "$BUILD/fuzz/corpus"
        for f in "$BUILD"/fuzz/tests/fuzz/fuzz_*; do
            [ -x "$f" ] || continue
            name=$(basename "$f")
            mkdir -p "$BUILD/fuzz/corpus/$name"
            echo "-- $name"
            if "$f" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 \
                 "$BUILD/fuzz/corpus/$name" >"$BUILD/fuzz/$name.log" 2>&1; then
                grep -E '^Done|^#[0-9]+.*DONE' "$BUILD/fuzz/$name.log" | tail -1
            else
                tail -40 "$BUILD/fuzz/$name.log"
                failed+=("$name")
            fi
        done
    else
        failed+=("fuzz build")
    fi
fi

# --- 32-bit Windows: compile and link only (cannot run here) --------------------------
stage "Windows i686 build (compile and link)"
configure "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-i686.cmake" \
    -DBUILD_TESTING=OFF && build "$BUILD/win32" || failed+=("i686 build")

# --- 64-bit Windows: build, then run its tests under wine64 + Xvfb --------------------
stage "Windows x86_64 build"
if configure "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-x86_64.cmake" \
    && build "$BUILD/win64"; then
    stage "Wine prefix and Xvfb"
    PREFIX=${VORBIN_TEST_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vorbin/wine-test}
    VORBIN_EXTRA_OVERRIDES="winebrowser.exe=d;" vorbin_wine_env "$PREFIX"
    # A wineserver left from an earlier run would keep its desktop on an old display.
    "$VORBIN_WINESERVER" -k 2>/dev/null && "$VORBIN_WINESERVER" -w 2>/dev/null
    VORBIN_EXTRA_OVERRIDES="winebrowser.exe=d;" vorbin_wine_prefix "$PREFIX"
    export WINEDLLOVERRIDES
    vorbin_start_xvfb || failed+=("Xvfb")
    # A persistent wineserver and one warm-up call, so that Wine's background services do
    # not inherit ctest's output pipe (ctest would wait for them).
    "$VORBIN_WINESERVER" -p
    "$VORBIN_WINE" cmd /c ver >/dev/null 2>&1 || true
    stage "Windows tests under Wine (display $DISPLAY)"
    (cd "$BUILD/win64" && ctest --output-on-failure -j 1) || failed+=("Windows tests")
    "$VORBIN_WINESERVER" -k 2>/dev/null || true
    kill "${VORBIN_XVFB_PID:-0}" 2>/dev/null || true
else
    failed+=("x86_64 build")
fi

stage "Done"
if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "All test stages passed."
