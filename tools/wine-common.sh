# Shared set-up for the test and play commands (sourced, not run): missing Debian packages
# and the Wine prefix.
# vorbin_install_missing PKG...: installs with apt-get whichever of the packages is missing.
# vorbin_wine_env PREFIX: exports the variables every Wine call here uses.
# vorbin_wine_prefix PREFIX: makes the prefix once (wineboot) and applies our settings.

vorbin_install_missing() {
    local need=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || need+=("$p")
    done
    [ ${#need[@]} -eq 0 ] && return 0
    echo "Installing ${need[*]}..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null \
        || { echo "apt-get install failed" >&2; return 1; }
}

VORBIN_WINE=/usr/lib/wine/wine64
VORBIN_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$VORBIN_WINESERVER" ] || VORBIN_WINESERVER=/usr/lib/wine/wineserver

vorbin_wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No Mono/Gecko prompts, no desktop menu entries.
    export WINEDLLOVERRIDES="${VORBIN_EXTRA_OVERRIDES:-}mscoree,mshtml=;winemenubuilder.exe=d"
}

# Settings the game and the tests rely on: Wine's own window frame (Managed=N, which also
# makes DestroyWindow fast), no crash dialog, no audio driver noise, and metric-compatible
# replacements for the fonts the game asks for.
vorbin_wine_settings_reg() {
    cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Lucida Console"="Liberation Mono"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Tahoma"="DejaVu Sans"
REG
}

vorbin_wine_prefix() {
    local prefix="$1"
    local marker="$prefix/.vorbin-settings-3"
    vorbin_wine_env "$prefix"
    if [ ! -f "$prefix/system.reg" ]; then
        mkdir -p "$prefix"
        echo "Making the Wine prefix $prefix (once)..."
        "$VORBIN_WINE" wineboot -u >/dev/null 2>&1 || true
        "$VORBIN_WINESERVER" -w || true
    fi
    if [ ! -f "$marker" ]; then
        # Wine's bundled fonts give Tahoma and the caption-button font.
        mkdir -p "$prefix/drive_c/windows/Fonts"
        cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
        local reg="$prefix/vorbin-settings.reg"
        vorbin_wine_settings_reg > "$reg"
        "$VORBIN_WINE" regedit /S "$(winepath_w "$reg")" >/dev/null 2>&1 || true
        "$VORBIN_WINESERVER" -w || true
        # Tahoma comes with Wine itself; drop the stand-in when the real one is there.
        if [ -f "$prefix/drive_c/windows/Fonts/tahoma.ttf" ]; then
            printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n"Tahoma"=-\n' > "$reg"
            "$VORBIN_WINE" regedit /S "$(winepath_w "$reg")" >/dev/null 2>&1 || true
            "$VORBIN_WINESERVER" -w || true
        fi
        touch "$marker"
    fi
}

# Unix path to the Z: drive path Wine sees (Z: maps the root folder).
winepath_w() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

# Starts Xvfb on a free display and exports DISPLAY; VORBIN_XVFB_PID holds its pid.
vorbin_start_xvfb() {
    local fifo
    fifo=$(mktemp -u /tmp/vorbin-xvfb.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    VORBIN_XVFB_PID=$!
    local num
    read -r -t 30 num < "$fifo" || true
    rm -f "$fifo"
    [ -n "$num" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$num"
}
