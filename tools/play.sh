#!/usr/bin/env bash
# Builds Vorbin for 64-bit Windows (when needed) and starts it. On Linux the game runs under
# wine64 in a Wine prefix of its own under the user's data folder, with Wine's own window
# frame and metric-compatible replacements for the fonts the game uses.
set -u
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${VORBIN_BUILD_DIR:-$ROOT/build}/play
. tools/wine-common.sh

vorbin_install_missing cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    wine64 fonts-liberation fonts-dejavu-core || exit 1

echo "Building the game..."
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-x86_64.cmake" >/dev/null || exit 1
cmake --build "$BUILD" --target vorbin >/dev/null || { echo "build failed" >&2; exit 1; }
EXE=$(find "$BUILD" -name vorbin.exe -print -quit)
[ -n "$EXE" ] || { echo "vorbin.exe was not built" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    echo "Built $EXE. No X display is set (DISPLAY): start the game from a desktop session." >&2
    exit 1
fi
PREFIX=${VORBIN_WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/vorbin/wineprefix}
vorbin_wine_prefix "$PREFIX"
echo "Starting Vorbin..."
exec "$VORBIN_WINE" "$EXE"
