#!/usr/bin/env bash
# Makes the private Wine prefix the Windows tests run in, as a Japanese
# Windows user would have it: MS P Gothic stands for IPA P Gothic, and the
# system's UI font (Tahoma) falls back to it for Japanese text.
#   wine_prefix.sh PREFIX
set -euo pipefail

# LC_ALL: Wine names files through the locale, and a bare container has none.
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
rm -rf "$WINEPREFIX"
wineboot --init
wineserver -w

# regedit reads UTF-16 with a byte-order mark; the face names are Japanese.
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
  printf '\xff\xfe'
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' \
    '"MS PGothic"="IPAPGothic"' '' |
    iconv -f UTF-8 -t UTF-16LE
} >"$reg"
wine regedit /S "$(winepath -w "$reg")"
for face in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null
done
wineserver -w
