#!/usr/bin/env bash
# Runs a Windows program of the build on a screen of the dots per inch given: in a Wine prefix of
# its own, whose LogPixels is set first (each Wine process reads it when it starts). KT_DPI tells
# the program which it asked for.
# Usage: com_dpi.sh DPI PREFIX WINE-RUN PROGRAM [ARGUMENTS...]
set -euo pipefail
dpi=$1 prefixo=$2 wine_run=$3
shift 3
export KT_PREFIXO_WINE=$prefixo KT_DPI=$dpi
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
exec "$wine_run" "$@"
