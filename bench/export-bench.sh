#!/bin/sh
# Times a whole export through orvhost: a collection of ITEMS video items, exported with
# pagebuilder through the sample catalogue template, with the icons and pictures copied as the
# default options say. Beside it, xsltproc renders the same table from an XML dump of the same
# items (bench/export-dump.sql, bench/catalogue.xsl). Prints wall time and peak memory of both
# (GNU time), and their ratios. KEEP_BENCH=1 keeps the scratch folder.
#
# usage: bench/export-bench.sh [BUILD_DIR] [ITEMS]     (default build/release, 100000)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=${1:-$source_dir/build/release}
items=${2:-100000}
bin=$build/bin
for tool in sqlite3 xsltproc /usr/bin/time; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "export-bench: $tool is missing (scripts/install-deps.sh bench)" >&2
    exit 2
  fi
done
for program in orvhost pagebuilder.so testfilter.so; do
  if [ ! -e "$bin/$program" ]; then
    echo "export-bench: $bin/$program is missing; build first (cmake --build --preset release)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/export-bench.XXXXXX")
if [ -z "${KEEP_BENCH:-}" ]; then trap 'rm -rf "$work"' EXIT; else echo "export-bench: work folder $work" >&2; fi
# Options and collection live in the scratch folder, away from the user's own.
export ORVHOST_CONFIG_DIR="$work/config" XDG_DATA_HOME="$work/data"
unset ORVHOST_ANSWERS
collection="$work/collection.db"

# orvhost stores each imported item on its own (a broken import keeps what it stored), which
# is slow for a big collection: a thousand items come from the test filter, and the sqlite3
# command line copies them up to the count asked for.
seed=$items
if command -v sqlite3 >/dev/null 2>&1 && [ "$items" -gt 1000 ]; then seed=1000; fi
"$bin/orvhost" configure testfilter --set Count="$seed" --set Category=1 --set Export=0
"$bin/orvhost" import testfilter --collection "$collection" >/dev/null
if [ "$seed" -lt "$items" ]; then
  columns=$(sqlite3 "$collection" \
    "SELECT group_concat('\"' || name || '\"', ',') FROM pragma_table_info('items') WHERE name <> 'id'")
  sqlite3 "$collection" "
    BEGIN;
    INSERT INTO items ($columns)
      WITH RECURSIVE copy(n) AS (SELECT 2 UNION ALL SELECT n + 1 FROM copy WHERE n < $items / $seed)
      SELECT $columns FROM copy, items ORDER BY copy.n, items.id;
    INSERT INTO items ($columns)
      SELECT $columns FROM items ORDER BY id LIMIT $items - (SELECT count(*) FROM items);
    UPDATE items SET title = 'Film n°' || id || ' : l''été à Noël', year = 1900 + id % 120,
      price = 9.99 + id % 40,
      medium = CASE id % 4 WHEN 0 THEN 19 WHEN 1 THEN 7 WHEN 2 THEN 21 ELSE 20 END;
    COMMIT;"
fi
stored=$(sqlite3 "$collection" "SELECT count(*) FROM items" 2>/dev/null || echo "$items")

"$bin/orvhost" configure pagebuilder --set Template="$source_dir/samples/templates/catalogue.htm" \
  --set IconDir="$source_dir/samples/icons" --set MediaType=0
mkdir -p "$work/out" "$work/xslt"
# Wall time, peak memory and processor time of one command, from GNU time: "SECONDS KILOBYTES
# CPU_SECONDS". On a busy machine the processor time is the steadier figure.
measure() {
  /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0;
                                         for (i = 1; i <= n; ++i) s = s * 60 + t[i] }
              /User time|System time/ { cpu += $2 }
              /Maximum resident set size/ { kb = $2 }
              END { printf "%.2f %d %.2f\n", s, kb, cpu }' "$work/time.txt"
}
ours=$(measure "$bin/orvhost" export pagebuilder "$work/out/catalogue.htm" --collection "$collection")
size=$(wc -c <"$work/out/catalogue.htm")

# The same table from an XML dump of the same items, through xsltproc.
sqlite3 -batch "$collection" <"$here/export-dump.sql" >"$work/items.xml"
theirs=$(measure xsltproc -o "$work/xslt/catalogue.htm" "$here/catalogue.xsl" "$work/items.xml")

set -- $ours $theirs
awk -v n="$stored" -v size="$size" -v t="$1" -v m="$2" -v c="$3" -v xt="$4" -v xm="$5" \
    -v xc="$6" 'BEGIN {
  printf "orvhost export pagebuilder: %d items in %.2f s (%.2f s of processor): %.0f items/s, peak %.0f MB (%.1f MB written)\n",
         n, t, c, n / (t > 0 ? t : 0.01), m / 1024, size / 1e6
  printf "xsltproc, same table from an XML dump: %.2f s (%.2f s of processor), peak %.0f MB\n",
         xt, xc, xm / 1024
  printf "ratio: %.1f times faster (%.1f in processor time), %.0f%% of the peak memory (targets: 3 times, 25%%)\n",
         xt / (t > 0 ? t : 0.01), xc / (c > 0 ? c : 0.01), 100 * m / xm
}'
