#!/bin/sh
# Times a whole filescan import through orvhost on a tree of FILES media files (JPEG pictures
# with IPTC captions or EXIF camera data, tagged MP3 files with an ID3v2 tag in front, AVIs,
# office documents, programs with version resources, web pages), made by media_tree, and in the
# same run the same tree read by `exiftool -r -fast` and by `mediainfo`.
# The cache is warmed first; orvhost's figure is the best of three runs, each into a fresh
# collection. Prints files per second for each and the ratios.
#
# usage: bench/filescan-bench.sh [BUILD_DIR] [FILES]     (default build/release, 4000)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=${1:-$source_dir/build/release}
files=${2:-4000}
bin=$build/bin
for program in orvhost filescan.so media_tree; do
  if [ ! -e "$bin/$program" ]; then
    echo "filescan-bench: $bin/$program is missing; build first (cmake --build --preset release)" >&2
    exit 2
  fi
done

"$source_dir/scripts/install-deps.sh" bench || echo "filescan-bench: going on without them" >&2

work=$(mktemp -d "${TMPDIR:-/tmp}/filescan-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export ORVHOST_CONFIG_DIR="$work/config" XDG_DATA_HOME="$work/data"
unset ORVHOST_ANSWERS
tree=$work/tree
"$bin/media_tree" bench "$tree" "$files"
count=$(find "$tree" -type f | wc -l)
folders=$(find "$tree" -mindepth 1 -type d | wc -l)
bytes=$(du -sk "$tree" | cut -f1)
echo "tree: $count files in $folders folders, $bytes KiB; load: $(cut -d' ' -f1-3 /proc/loadavg)"

# Everything in the page cache before any timing.
find "$tree" -type f -exec cat {} + >/dev/null

now() { date +%s.%N; }
rate() { awk -v n="$count" -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", n / (b - a) }'; }

"$bin/orvhost" configure filescan --set SelectDir=1 --set DoSubFolder=1 --set FileMode=0 >/dev/null
best=0
for run in 1 2 3; do
  rm -f "$work/collection.db"*
  start=$(now)
  "$bin/orvhost" import filescan "$tree" --collection "$work/collection.db" >/dev/null
  end=$(now)
  r=$(rate "$start" "$end")
  [ "$r" -gt "$best" ] && best=$r
done
stored=$(sqlite3 "$work/collection.db" "SELECT count(*) FROM items" 2>/dev/null || echo "?")
echo "orvhost import filescan: $best files/s (best of 3; $stored items stored)"

exif=0
if command -v exiftool >/dev/null 2>&1; then
  start=$(now)
  exiftool -r -fast -q "$tree" >/dev/null 2>&1 || true
  end=$(now)
  exif=$(rate "$start" "$end")
  echo "exiftool -r -fast: $exif files/s"
else
  echo "exiftool: not installed (Debian package libimage-exiftool-perl)"
fi
media=0
if command -v mediainfo >/dev/null 2>&1; then
  start=$(now)
  mediainfo "$tree" >/dev/null 2>&1 || true
  end=$(now)
  media=$(rate "$start" "$end")
  echo "mediainfo: $media files/s"
else
  echo "mediainfo: not installed (Debian package mediainfo)"
fi
awk -v o="$best" -v e="$exif" -v m="$media" 'BEGIN {
  if (e > 0) printf "orvhost / exiftool: %.1f times\n", o / e
  if (m > 0) printf "orvhost / mediainfo: %.1f times\n", o / m
}'
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
