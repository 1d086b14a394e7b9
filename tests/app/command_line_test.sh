#!/usr/bin/env bash
# What the program does without a window: --help and --version print and end
# it; with no screen at all it says so in one line and exits with status 1.
#   command_line_test.sh PROGRAM
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

[ "$(bare --version)" = "jetselect 1.00" ] || fail "--version"
bare --help | grep -q -- '--version' || fail "--help does not list --version"
bare -h | grep -q 'メインジェット選定' || fail "-h"
status=0
said=$(bare 2>&1) || status=$?
[ "$status" = 1 ] || fail "without a screen the exit status is $status"
[ "$(wc -l <<<"$said")" = 1 ] || fail "without a screen it says more than one line: $said"
grep -q '画面が見つかりません' <<<"$said" && grep -q 'no screen found' <<<"$said" ||
  fail "without a screen it says: $said"
# Either variable alone names a screen: the program goes on to Qt, which here
# finds no such screen and says so in its own words.
for screen in DISPLAY=:4711 WAYLAND_DISPLAY=wayland-4711; do
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$screen" timeout 10 "$program" 2>&1) || true
  ! grep -q '画面が見つかりません' <<<"$said" || fail "with only $screen it finds no screen"
done
echo "command line: --help, --version and the missing screen answer as they should"
