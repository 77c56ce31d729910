#!/usr/bin/env bash
# The readers' tree (videos, office documents, programs, web pages) imported by the Linux
# orvhost and by orvhost.exe with filescan.dll under Wine gives the same items, the type and
# language names aside: the shell's type names differ by nature, and Wine names languages in
# English. Expects the release and mingw builds and WINEPREFIX, as scripts/test-windows.sh sets
# them up. Exits non-zero when the transcripts differ.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

cmake --build --preset release -j2 --target orvhost filescan filescan_reader_tree >/dev/null
work=$root/build/mingw/compare-filescan
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"
"$root/build/release/bin/filescan_reader_tree" "$work/tree"

linux() { ORVHOST_CONFIG_DIR=$work/linux/config "$root/build/release/bin/orvhost" "$@"; }
windows() { wine "$root/build/mingw/bin/orvhost.exe" "$@"; }
# Wine sees the whole file system as drive Z:.
w() { printf 'Z:%s' "${1//\//\\}"; }

linux import filescan "$work/tree" --collection "$work/linux/c.db" --trace \
  >"$work/linux/import.jsonl"
windows import filescan "$(w "$work/tree")" --collection "$(w "$work/windows/c.db")" --trace \
  >"$work/windows/import.jsonl"

normalize() {
  tr -d '\r' <"$1" | sed -E -e 's/"path":"[^"]*"/"path":"…"/' \
    -e 's/"type":"[^"]*"/"type":"…"/' -e 's/"lang":"[^"]*"/"lang":"…"/'
}
if diff -u <(normalize "$work/linux/import.jsonl") <(normalize "$work/windows/import.jsonl"); then
  echo "filescan readers: the same items ($(grep -c '"op":"ProcessItem"' "$work/linux/import.jsonl") calls)"
else
  echo "filescan readers: orvhost.exe differs from orvhost" >&2
  exit 1
fi
