#!/usr/bin/env bash
# Makes the private Wine prefix the Windows tests run in, as a Japanese
# Windows user would have it: MS P Gothic stands for IPA P Gothic, and the
# system's UI font (Tahoma) falls back to it for Japanese text.
#   wine_prefix.sh PREFIX
set -euo pipefail
trap 'echo "wine_prefix.sh: failed: $BASH_COMMAND" >&2' ERR

# LC_ALL: Wine names files through the locale, and a bare container has none.
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

# Making a prefix failed once in CI, in a step that says nothing; it was not
# seen again in many runs. A first failure is told and the prefix made anew.
if [ -z "${WINE_PREFIX_AGAIN:-}" ]; then
  WINE_PREFIX_AGAIN=1 bash "$0" "$@" && exit 0
  echo "wine_prefix.sh: making $WINEPREFIX failed; once more" >&2
  wineserver -k 2>/dev/null || true
fi

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
