#!/usr/bin/env bash
# Runs a command with the Wine prefix's screen set to DPI dots per inch, as
# Windows' display scaling (144 is 150 %), and sets it back afterwards.
#   at_dpi.sh DPI COMMAND [ARGS...]
set -euo pipefail

key='HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'
set_dpi() { wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; }
dpi=$1
shift
set_dpi "$dpi"
trap 'set_dpi 96' EXIT
"$@"
