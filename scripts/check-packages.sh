#!/usr/bin/env bash
# Checks the packages scripts/package.sh made in DIR (default out/packages), away from the build
# tree: the .deb is unpacked with dpkg-deb -x into an empty folder, checked by lintian, and the
# unpacked orvhost and filters run the installed-tree checks and the main job; the Windows zip
# holds what its users need, and filescan, run from the unpacked .deb, reads the project's
# version in each of its programs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
dir=$(cd "${1:-out/packages}" && pwd)

deb=$(ls "$dir"/orvhost_*_*.deb)
zip=$(ls "$dir"/orvella-filters-*-win32.zip)
version=$(dpkg-deb -f "$deb" Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "=== lintian $(basename "$deb")"
lintian --fail-on error "$deb"

echo "=== unpacked .deb"
mkdir "$work/deb"
dpkg-deb -x "$deb" "$work/deb"
# Whatever leads into the build tree would make the checks below prove nothing.
if grep -rlF "$root/build" "$work/deb" >/dev/null; then
  echo "FAIL: the package names the build tree:" >&2
  grep -rlF "$root/build" "$work/deb" >&2
  exit 1
fi
scripts/check-installed-tree.sh "$work/deb" "$version"
ORVHOST_INSTALLED=$work/deb ORVHOST_OUT=$work/main-job scripts/main-job.sh

echo "=== $(basename "$zip")"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
top=$work/zip/$(basename "$zip" .zip)
programs=(filmcard.dll discfetch.dll filescan.dll filmsearch.dll auctionsearch.dll pagebuilder.dll
          orvhost.exe)
for file in "${programs[@]}" filmsearch.ini auctionsearch.ini LISEZMOI.txt; do
  [[ -f $top/$file ]] || { echo "FAIL: $file is not in the zip" >&2; exit 1; }
done
# filescan of the unpacked .deb reads the version resource of each program of the zip.
export ORVHOST_CONFIG_DIR=$work/config
orvhost=$work/deb/usr/bin/orvhost
"$orvhost" configure filescan --set SelectDir=1 --set DoSubFolder=0 >/dev/null
"$orvhost" import filescan "$top" --collection "$work/zip.db" >/dev/null
items=$("$orvhost" list --collection "$work/zip.db" --json)
for program in "${programs[@]}"; do
  # The program's item, one JSON object a line: the title ends with the file version.
  if ! grep -F "\"coauthor\":\"$program\"" <<<"$items" | grep -qF " v$version.0\","; then
    echo "FAIL: filescan does not read version $version in $program:" >&2
    echo "$items" >&2
    exit 1
  fi
done
echo "packages of $version: all checks passed"
