#!/usr/bin/env bash
# script/release's refusals, its release notes and a whole run, in a small
# repository of its own where a stand-in makes each package in a moment:
#   release_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# Commits need a name, which a fresh machine's git does not have.
export GIT_AUTHOR_NAME=test GIT_AUTHOR_EMAIL=test@example.invalid
export GIT_COMMITTER_NAME=test GIT_COMMITTER_EMAIL=test@example.invalid
repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
mkdir -p "$repo/script"
cp "$source_dir/script/release" "$repo/script/"
cat >"$repo/CMakeLists.txt" <<'CMAKE'
project(jetselect
  VERSION 2.3.0.0
  LANGUAGES CXX)
CMAKE
cat >"$repo/CHANGELOG.md" <<'NOTES'
# Changelog

## [Unreleased]

- Not yet.

## [2.03] - 2027-01-02

### Fixed

- The second thing.


## [2.02] - 2026-12-31

- The first thing.
NOTES
# The stand-in: a small file where each download would be made.
cat >"$repo/script/package" <<'PACKAGE'
#!/usr/bin/env bash
case "${1:-}" in
  "") files=release/jetselect_2.3.0.0_amd64.deb ;;
  windows) files="windows/jetselect-2.03-win64.zip windows/jetselect-2.03-setup.exe" ;;
  web) files=web/jetselect-2.03-web.zip ;;
esac
for file in $files; do mkdir -p "build/${file%/*}" && echo "$file" >"build/$file"; done
PACKAGE
chmod +x "$repo/script/package"
printf '/dist/\n/.dist.*/\n/build/\n' >"$repo/.gitignore"
cd "$repo"
git init -q && git add -A && git commit -qm start
mkdir dist && echo old >dist/kept

# The notes: the version's section without its heading, up to the next one.
[ "$(script/release notes)" = "$(printf '### Fixed\n\n- The second thing.')" ] ||
  fail "notes for 2.03: $(script/release notes)"
[ "$(script/release notes 2.02)" = "- The first thing." ] || fail "notes for 2.02"
! script/release notes 9.99 2>/dev/null || fail "notes for a version the changelog lacks"

# Each refusal says why, and leaves dist/ as it was.
refuses() {
  local says=$1 output
  shift
  if output=$(script/release "$@" 2>&1); then fail "script/release $* did not refuse"; fi
  grep -q -- "$says" <<<"$output" || fail "script/release $* said: $output"
  [ "$(ls -A dist)" = kept ] && [ "$(cat dist/kept)" = old ] || fail "script/release $* changed dist/"
  [ -z "$(ls -d .dist.* 2>/dev/null)" ] || fail "script/release $* left a half-made dist/"
}
refuses "the tag v2.02 does not name this version; tag it v2.03" v2.02
refuses "does not name this version" 2.03
echo change >>CHANGELOG.md
refuses "uncommitted changes" v2.03
git checkout -q CHANGELOG.md
touch stray
refuses "uncommitted changes"
rm stray

# A whole run: the five downloads, their sums, every one of them checked, and
# the notes; the old dist/ replaced.
script/release v2.03 >/dev/null || fail "script/release v2.03 failed"
files=(jetselect-2.03-setup.exe jetselect-2.03-src.tar.gz jetselect-2.03-web.zip
       jetselect-2.03-win64.zip jetselect_2.3.0.0_amd64.deb)
sums=$(cut -c67- dist/SHA256SUMS | sort | tr '\n' ' ')
[ "$sums" = "${files[*]} " ] && [ "$(ls dist | sort | tr '\n' ' ')" = "$(printf '%s\n' "${files[@]}" \
  RELEASE-NOTES.md SHA256SUMS | sort | tr '\n' ' ')" ] || fail "dist/ holds $(ls dist), sums for $sums"
[ "$(cat dist/RELEASE-NOTES.md)" = "$(script/release notes)" ] || fail "RELEASE-NOTES.md"
rm -rf dist && mkdir dist && echo old >dist/kept

sed -i 's/2\.3\.0\.0/2.4.0.0/' CMakeLists.txt && git commit -qam "2.04"
refuses "CHANGELOG.md has no section for 2.04" v2.04
echo "release: refusals, notes and a whole run as they should be"
