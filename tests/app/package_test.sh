#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the
# unpacked program offscreen: it must keep running until it is stopped.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1

scratch=$(mktemp -d)
trap 'kill "${program:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
package=$(ls "$scratch"/out/jetselect_1.0.0.0_*.deb)

fail() { echo "FAIL: $*" >&2; exit 1; }
dpkg-deb --field "$package" Version | grep -qx '1.0.0.0' || fail "package version"
dpkg-deb --field "$package" Depends | grep -q 'libqt6widgets6' || fail "Qt not among the dependencies"
dpkg-deb --field "$package" Depends | grep -q 'fonts-ipafont-gothic, qt6-translations-l10n' ||
  fail "no Japanese font or Qt translation among the dependencies"
dpkg-deb --field "$package" Recommends | grep -qx 'qt6-wayland' || fail "the Wayland plug-in is not recommended"

dpkg -x "$package" "$scratch/root"
XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/jetselect" &
program=$!
sleep 2
kill -0 "$program" 2>/dev/null || fail "the unpacked program did not keep running"
kill "$program"
wait "$program" || true
echo "package: $(basename "$package"), $(stat -c %s "$package") bytes, unpacks and runs"
