#!/usr/bin/env bash
# The Windows build and its checks:
#   - the contract header compiles for i686-w64-mingw32 with its layout assertions;
#   - the mingw preset cross-builds the DLLs, orvhost.exe and the tests;
#   - the tests run under Wine on a virtual display (the dialog tests open real windows), in a
#     fresh Wine prefix inside the build folder; they include the check that each DLL exports
#     GetFunctionInfo alone and imports Windows system libraries only;
#   - orvhost.exe under Wine gives the same import transcript and the same exported page as the
#     Linux orvhost on the samples (paths, line ends and code page aside).
# Installs its packages when missing (see scripts/install-deps.sh). Exits non-zero on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh windows

step() { echo "=== windows: $*"; }

step "contract header for i686-w64-mingw32"
echo '#include "contract/abi.h"' |
  i686-w64-mingw32-g++-posix -std=c++17 -I"$root" -x c++ -fsyntax-only -

step build
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j2

export WINEPREFIX=$root/build/mingw/wineprefix
export WINEDEBUG=-all
# No prompts to install Wine's .NET and HTML engines into the fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A fresh prefix per run, so options stored by an earlier run never reach the tests.
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
# Wine's desktop process keeps the display it started with (none here): start over on Xvfb.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# The web search tests under Wine fetch from the fake film and auction sites, run here as
# Linux programs on ephemeral ports until this script ends.
step "fake web sites"
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target fake_film_site fake_auction_site
site_pids=()
# start_site PROGRAM VARIABLE: starts the site and exports its root in VARIABLE.
start_site() {
  local output
  output=$(mktemp)
  "build/release/bin/$1" </dev/null >"$output" &
  site_pids+=($!)
  for _ in $(seq 50); do
    grep -q '^port ' "$output" && break
    sleep 0.1
  done
  export "$2=http://127.0.0.1:$(sed -n 's/^port //p' "$output")"
  rm -f "$output"
}
start_site fake_film_site ORV_FAKE_FILM_SITE
start_site fake_auction_site ORV_FAKE_AUCTION_SITE
trap 'wineserver -k 2>/dev/null || true; kill "${site_pids[@]}" 2>/dev/null || true' EXIT

step "tests under Wine"
# Wine's background processes would inherit each test's output pipe and keep CTest waiting for
# them: start them first, once, with their output elsewhere, and keep them for the whole run.
# The programs mostly wait (on Wine, on the sites' time-outs), so three run at once.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  wineserver -p && wineboot >/dev/null 2>&1 && ctest --preset mingw -j3
  status=$?
  wineserver -k
  exit $status'

step "orvhost.exe against the Linux orvhost"
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target orvhost filmcard pagebuilder filescan

work=$root/build/mingw/compare
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"
card=$(ls "$root"/samples/films/*.film | head -n 1)
template=$root/samples/templates/catalogue.htm
icons=$root/samples/icons

linux() { ORVHOST_CONFIG_DIR=$work/linux/config "$root/build/release/bin/orvhost" "$@"; }
windows() { wine "$root/build/mingw/bin/orvhost.exe" "$@"; }
# Wine sees the whole file system as drive Z:.
w() { printf 'Z:%s' "${1//\//\\}"; }

# The same run on both sides: settings, every card of the sample folder, then the catalogue.
linux collection --collection "$work/linux/c.db" --owner "Zoé" --title "Vidéothèque" >/dev/null
linux configure filmcard --set AllFiles=1 >/dev/null
linux import filmcard "$card" --collection "$work/linux/c.db" --trace >"$work/linux/import.jsonl"
linux configure pagebuilder --set "Template=$template" --set "IconDir=$icons" \
  --set MediaType=0 >/dev/null
linux export pagebuilder "$work/linux/catalogue.htm" --collection "$work/linux/c.db" \
  --trace >"$work/linux/export.jsonl"

windows collection --collection "$(w "$work/windows/c.db")" --owner "Zoé" \
  --title "Vidéothèque" >/dev/null
windows configure filmcard --set AllFiles=1 >/dev/null
windows import filmcard "$(w "$card")" --collection "$(w "$work/windows/c.db")" \
  --trace >"$work/windows/import.jsonl"
windows configure pagebuilder --set "Template=$(w "$template")" --set "IconDir=$(w "$icons")" \
  --set MediaType=0 >/dev/null
windows export pagebuilder "$(w "$work/windows/catalogue.htm")" \
  --collection "$(w "$work/windows/c.db")" --trace >"$work/windows/export.jsonl"

# The sample tree of pictures and music through filescan on both sides.
media=$root/samples/media
linux import filescan "$media" --collection "$work/linux/m.db" --trace >"$work/linux/scan.jsonl"
windows import filescan "$(w "$media")" --collection "$(w "$work/windows/m.db")" \
  --trace >"$work/windows/scan.jsonl"

# Paths differ by nature, Windows writes CR LF through its text-mode files, and pages are in
# the ANSI code page there.
normalize_trace() { tr -d '\r' <"$1" | sed -E 's/"path":"[^"]*"/"path":"…"/'; }
status=0
for run in import export; do
  if diff -u <(normalize_trace "$work/linux/$run.jsonl") \
             <(normalize_trace "$work/windows/$run.jsonl"); then
    echo "$run transcript: the same ($(wc -l <"$work/linux/$run.jsonl") calls)"
  else
    echo "$run transcript: orvhost.exe differs from orvhost" >&2
    status=1
  fi
done
# The shell's type names differ between the two (our own types of pictures and music aside),
# and Windows lists a folder in the order its file system keeps: compare the items as a set.
normalize_scan() {
  normalize_trace "$1" |
    sed -E -e '/"medium":23,|"type":"Picture w\/ /b' -e 's/"type":"[^"]*"/"type":"…"/' | sort
}
if diff -u <(normalize_scan "$work/linux/scan.jsonl") <(normalize_scan "$work/windows/scan.jsonl"); then
  echo "filescan transcript: the same ($(wc -l <"$work/linux/scan.jsonl") calls)"
else
  echo "filescan transcript: orvhost.exe differs from orvhost" >&2
  status=1
fi
if diff -u "$work/linux/catalogue.htm" \
     <(tr -d '\r' <"$work/windows/catalogue.htm" | iconv -f WINDOWS-1252 -t UTF-8); then
  echo "exported page: the same ($(wc -c <"$work/linux/catalogue.htm") bytes)"
else
  echo "exported page: orvhost.exe differs from orvhost" >&2
  status=1
fi
for picture in "$work"/linux/pictures/video/*; do
  [[ -e $picture ]] || continue
  if ! cmp -s "$picture" "$work/windows/pictures/video/$(basename "$picture")"; then
    echo "poster $(basename "$picture") was not copied alike" >&2
    status=1
  fi
done
# The host's proxy values land in the registry as the filters read them: texts and a REG_DWORD.
windows collection --collection "$(w "$work/windows/c.db")" --proxy proxy.local:3128 \
  --proxy-user zoe >/dev/null
proxy=$(wine reg query 'HKCU\Software\Kelvard\Orvella Premium\Internet' 2>/dev/null | tr -d '\r')
if grep -Eq 'ProxyUrl +REG_SZ +proxy\.local' <<<"$proxy" &&
   grep -Eq 'ProxyPort +REG_DWORD +0xc38' <<<"$proxy" &&
   grep -Eq 'ProxyUsr +REG_SZ +zoe' <<<"$proxy"; then
  echo "proxy values: in the registry"
else
  echo "proxy values: not in the registry as expected" >&2
  echo "$proxy" >&2
  status=1
fi
# Tidying a collection: duplicates, links, runs, undo and remove give the same transcript with
# the text-file collection of orvhost.exe as with SQLite, times and paths aside.
tidy_session() {
  local side=$1 db=$2
  # Refusals are part of the transcript: their exit status is written, not acted on.
  (
    set +e
    $side configure testfilter --set Count=3 --set Link=1 --set SkipAt=1 --set Prefix=Film \
      >/dev/null
    $side import testfilter --collection "$db"; echo "exit $?"
    $side configure testfilter --set SkipAt=-1 >/dev/null
    $side import testfilter --collection "$db"; echo "exit $?"
    $side import testfilter --collection "$db"; echo "exit $?"
    $side configure testfilter --set Link=0 --set Prefix=Suite --set Count=2 >/dev/null
    $side import testfilter --collection "$db"; echo "exit $?"
    $side import testfilter --collection "$db" --keep-duplicates; echo "exit $?"
    $side runs --collection "$db"; echo "exit $?"
    $side undo --collection "$db"; echo "exit $?"
    $side undo --collection "$db" --yes; echo "exit $?"
    $side remove 2 --collection "$db"; echo "exit $?"
    $side remove 2 --collection "$db"; echo "exit $?"
    $side undo 3 --collection "$db" --yes; echo "exit $?"
    $side runs --collection "$db"; echo "exit $?"
    $side list --collection "$db"; echo "exit $?"
    $side list --collection "$db" --json; echo "exit $?"
  ) </dev/null 2>&1
}
# The test filter's "①" has no place in the ANSI code page the Windows filters speak.
normalize_tidy() {
  tr -d '\r' <"$1" | sed -E -e "s#$2#DB#g" -e 's/①/?/g' \
    -e 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}/TIME/g' -e 's/[0-9]+\.[0-9]{2} s$/N s/'
}
COLUMNS=100 tidy_session linux "$work/linux/t.db" >"$work/linux/tidy.txt"
COLUMNS=100 tidy_session windows "$(w "$work/windows/t.db")" >"$work/windows/tidy.txt"
win_db=$(w "$work/windows/t.db")
if diff -u <(normalize_tidy "$work/linux/tidy.txt" "$work/linux/t.db") \
     <(normalize_tidy "$work/windows/tidy.txt" "${win_db//\\/\\\\}"); then
  echo "runs, undo, remove, duplicates: the same ($(wc -l <"$work/linux/tidy.txt") lines)"
else
  echo "runs, undo, remove, duplicates: orvhost.exe differs from orvhost" >&2
  status=1
fi

# configure --show lists the stored options with what they mean in the filter's dialog, as the
# Linux orvhost does (the labels come from the DLL's own dialog resource).
shown=$(windows configure filmcard --show | tr -d '\r')
if grep -Eq "^AllFiles .*\"1\" +Traiter Tous les fichiers du répertoire$" <<<"$shown"; then
  echo "configure --show: stored options with their meaning"
else
  echo "configure --show: orvhost.exe gives no meaning" >&2
  echo "$shown" >&2
  status=1
fi
step "filescan readers: orvhost.exe against the Linux orvhost"
bash scripts/compare-filescan-readers.sh || status=1
exit $status
