#!/usr/bin/env bash
# Installs the program silently with its installer into the test prefix,
# checks the files, the Start-menu shortcut and the entry in the list of
# installed apps, starts the installed program, uninstalls it silently and
# checks that nothing is left behind.
#   installer_test.sh SETUP.EXE WINDOW_TEST.EXE
set -euo pipefail

setup=$1 window_test=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
unix_path() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }

# What Wine writes to user.reg: non-ASCII characters as \xNNNN escapes.
reg_escaped() {
  local unit out=
  for unit in $(printf %s "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx2); do
    if ((16#$unit < 128)); then out+=$(printf "\\x${unit:2}"); else out+="\\x$unit"; fi
  done
  printf %s "$out"
}

name='メインジェット選定'
dir="$(unix_path LOCALAPPDATA)/Programs/jetselect"
shortcut="$(unix_path APPDATA)/Microsoft/Windows/Start Menu/Programs/$name.lnk"
key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\jetselect'
entry() { awk -v key="[$key]" 'index($0, key) == 1 { on = 1; next } /^\[/ { on = 0 } on' \
            "$WINEPREFIX/user.reg"; }

# A run that failed half-way may have left an installation behind.
rm -rf "$dir" "$shortcut"
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\jetselect' /f \
  >/dev/null 2>&1 || true
wineserver -w

wine "$setup" /S
wineserver -w
for file in jetselect.exe uninstall.exe readme.txt LICENSE.txt; do
  [ -f "$dir/$file" ] || fail "$dir/$file was not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
values=$(entry)
for expected in "\"DisplayName\"=\"$(reg_escaped "$name")\"" '"DisplayVersion"="1.00"' \
  '"Publisher"=' '"DisplayIcon"=' '"InstallLocation"=' '"UninstallString"=' \
  '"QuietUninstallString"=' '"EstimatedSize"=dword:' '"NoModify"=dword:00000001' \
  '"NoRepair"=dword:00000001'; do
  grep -qF -- "$expected" <<<"$values" || fail "the uninstall entry lacks $expected"
done

# The installed program starts, works and closes.
wine "$window_test" "$(winepath -w "$dir/jetselect.exe")" \
  --gtest_filter='Program.*:Window.ClearEmptiesTheFourBoxes' --gtest_brief=1

wine "$dir/uninstall.exe" /S
wineserver -w
[ ! -e "$dir" ] || fail "the uninstaller left $(ls -A "$dir")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
[ -z "$(entry)" ] || fail "the uninstaller left the entry in the list of installed apps"
grep -qF "[$key]" "$WINEPREFIX/user.reg" && fail "the uninstaller left the registry key"
echo "installed, started and uninstalled cleanly"
