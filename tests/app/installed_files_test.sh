#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop entry, the
# AppStream metainfo and the icons with the freedesktop validators.
#   installed_files_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo"

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/jetselect" ] || fail "no bin/jetselect"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
grep -qx "Name\[ja\]=メインジェット選定" "$desktop" || fail "no Japanese name"
grep -qx "StartupWMClass=jetselect" "$desktop" || fail "no StartupWMClass to tie the window to the entry"
grep -qx "Terminal=false" "$desktop" || fail "the desktop entry would open a terminal"
grep -q '%[fFuU]' "$desktop" && fail "the program opens no files, yet Exec takes some"
grep -q '<release version="1.00"' "$metainfo" || fail "metainfo lacks release 1.00"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "no launchable"
for icon in scalable/apps/$id.svg 48x48/apps/$id.png 256x256/apps/$id.png; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "missing icon $icon"
done
for size in 48 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "$size x $size" ||
    fail "the ${size}x${size} icon has another size"
done
[ -s "$prefix/share/man/man1/jetselect.1.gz" ] || fail "no manual page"
echo "installed files: desktop entry, metainfo, icons and manual page are valid"
