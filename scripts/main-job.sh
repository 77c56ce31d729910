#!/usr/bin/env bash
# The main job: builds the filters and orvhost, imports the sample film cards and the sample
# tree of pictures and music (samples/media) into a fresh collection in out/, lists it, and
# exports a catalogue page from the sample template.
#
# Everything it makes stays in out/: the collection, the filters' options (out/config) and the
# catalogue. Until the filmcard and pagebuilder filters and their samples are in the tree it runs
# the same steps with the test filter.
#
# With ORVHOST_INSTALLED=DIR it builds nothing and runs the same steps with the orvhost, filters,
# samples and templates of the tree installed or unpacked in DIR (DIR/usr/bin/orvhost), writing
# into ORVHOST_OUT (default out/installed): what CI runs on the unpacked Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [[ -n ${ORVHOST_INSTALLED:-} ]]; then
  installed=$(cd "$ORVHOST_INSTALLED" && pwd)
  bin=$installed/usr/bin
  filters=$installed/usr/lib/orvhost/filters
  samples=$installed/usr/share/orvhost/samples
  templates=$installed/usr/share/orvhost/templates
  out=${ORVHOST_OUT:-$root/out/installed}
else
  scripts/install-deps.sh native
  cmake --preset release >/dev/null
  cmake --build --preset release -j2
  bin=$root/build/release/bin
  filters=$bin
  samples=$root/samples
  templates=$root/samples/templates
  out=${ORVHOST_OUT:-$root/out}
fi

rm -rf "$out/collection.db" "$out/config" "$out/pictures" "$out/catalogue"
mkdir -p "$out/catalogue"
export ORVHOST_CONFIG_DIR=$out/config
db=$out/collection.db
orvhost() { "$bin/orvhost" "$@"; }

card=$(ls "$samples"/films/*.film 2>/dev/null | head -n 1 || true)
template=$templates/catalogue.htm
orvhost collection --collection "$db" --title "Vidéothèque d'exemple" --owner "Zoé Martin" >/dev/null
if [[ -f $filters/filmcard.so && -f $filters/pagebuilder.so && -n $card && -f $template ]]; then
  orvhost configure filmcard --set AllFiles=1 --set GetComment=1 --set DefValue=15
  orvhost import filmcard "$card" --collection "$db"
  if [[ -f $filters/filescan.so && -d $samples/media ]]; then
    # The sample pictures and music, beside the film cards.
    orvhost configure filescan --set SelectDir=1 --set DoSubFolder=1 >/dev/null
    orvhost import filescan "$samples/media" --collection "$db"
  fi
  orvhost list --collection "$db"
  orvhost configure pagebuilder --set "Template=$template" --set "IconDir=$samples/icons" \
    --set MediaType=0
  catalogue=$out/catalogue/catalogue.htm
  orvhost export pagebuilder "$catalogue" --collection "$db"
else
  echo "filmcard, pagebuilder or their samples are not there yet: running with the test filter"
  orvhost configure testfilter --set Count=5
  orvhost import testfilter --collection "$db"
  orvhost list --collection "$db"
  orvhost configure testfilter --set Export=1
  catalogue=$out/catalogue/catalogue.txt
  orvhost export testfilter "$catalogue" --collection "$db"
fi
echo "Catalogue: $catalogue"
