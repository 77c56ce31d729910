#!/bin/sh
# Times a whole export through orvhost: a collection of ITEMS video items, exported with
# pagebuilder through the sample catalogue template, with the icons and pictures copied as the
# default options say. Prints items per second.
#
# usage: bench/export-bench.sh [BUILD_DIR] [ITEMS]     (default build/release, 100000)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=${1:-$source_dir/build/release}
items=${2:-100000}
bin=$build/bin
for program in orvhost pagebuilder.so testfilter.so; do
  if [ ! -e "$bin/$program" ]; then
    echo "export-bench: $bin/$program is missing; build first (cmake --build --preset release)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/export-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
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
mkdir -p "$work/out"
start=$(date +%s.%N)
"$bin/orvhost" export pagebuilder "$work/out/catalogue.htm" --collection "$collection" >/dev/null
end=$(date +%s.%N)

size=$(wc -c <"$work/out/catalogue.htm")
awk -v n="$stored" -v a="$start" -v b="$end" -v size="$size" 'BEGIN {
  printf "orvhost export pagebuilder: %d items in %.2f s: %.0f items/s (%.1f MB written)\n",
         n, b - a, n / (b - a), size / 1e6
}'
