#!/usr/bin/env bash
# Compiles the Windows version record with the cross resource compiler, reads
# the compiled record back and checks its fields.
#   version_record_test.sh RC_FILE
set -euo pipefail
rc=$1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The record needs no headers, so the host's preprocessor serves.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc" -O res -o "$scratch/record.res"
x86_64-w64-mingw32-windres -i "$scratch/record.res" -O rc -o "$scratch/decoded.rc"

status=0
expect() {
  grep -qF -- "$1" "$scratch/decoded.rc" || { echo "FAIL: the record lacks: $1" >&2; status=1; }
}
expect 'LANGUAGE 17, 1'                      # Japanese
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'FILETYPE 0x1'                        # an application
expect 'BLOCK "041104B0"'                    # Japanese strings in Unicode
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "Translation", 0x411, 1200'
# メインジェット選定, stored as UTF-16 rather than as mangled bytes.
expect 'VALUE "ProductName", L"\x30e1\x30a4\x30f3\x30b8\x30a7\x30c3\x30c8\x9078\x5b9a"'
expect 'VALUE "OriginalFilename", "jetselect.exe"'
[ $status -eq 0 ] || { cat "$scratch/decoded.rc" >&2; exit 1; }
echo "version record: all fields as expected"
