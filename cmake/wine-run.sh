#!/bin/sh
# Runs one Windows executable under wine64 with the environment the test command set up
# (WINEPREFIX, DISPLAY). Exit codes and output come through unchanged.
: "${WINEDEBUG:=-all}"
: "${WINEARCH:=win64}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=;winemenubuilder.exe=d;winebrowser.exe=d}"
export WINEDEBUG WINEARCH WINEDLLOVERRIDES
exec /usr/lib/wine/wine64 "$@"
