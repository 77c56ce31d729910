#!/usr/bin/env bash
# Builds the packages into OUTDIR (default out/packages):
#   orvhost_VERSION_amd64.deb            orvhost, the filters, samples, templates, site files,
#                                        manual page and bash completion (release build)
#   orvella-filters-VERSION-win32.zip    the six DLLs, orvhost.exe, the site files, LISEZMOI.txt
#                                        (mingw build)
# It reuses build/release and build/mingw: after the test suites, only the packing is left.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-out/packages}
mkdir -p "$out"
out=$(cd "$out" && pwd)

scripts/install-deps.sh native
scripts/install-deps.sh package
scripts/install-deps.sh windows

# What the packages hold; the rest of a build (the tests) is not needed to pack it.
packed=(orvhost filmcard discfetch filescan filmsearch auctionsearch pagebuilder)

# pack PRESET [TARGET...]: builds what is packed (nothing when the suites built it) and packs
# it into $out.
pack() {
  local preset=$1 work
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target "${packed[@]}" "$@"
  work=$(mktemp -d)
  cpack --config "build/$preset/CPackConfig.cmake" -B "$work" >/dev/null
  find "$work" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.zip' \) -exec mv -f {} "$out/" \;
  rm -rf "$work"
}
pack release orv_package_docs
pack mingw
ls -l "$out"
