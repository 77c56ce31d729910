#!/usr/bin/env bash
# Installs the Debian packages a job needs, when some are missing.
#
#   scripts/install-deps.sh native    build, tests and sanitizers on Linux
#   scripts/install-deps.sh windows   the 32-bit Windows cross build and Wine to run its tests
#   scripts/install-deps.sh fuzz      the fuzz targets (clang and libFuzzer)
#   scripts/install-deps.sh bench     the tools the benchmarks compare with
#   scripts/install-deps.sh package   the Debian package's tools (shlibdeps, lintian)
#
# As root it runs apt-get itself; otherwise it prints the exact command to run and fails.
set -euo pipefail

# GIO and the MIME database (file type names), libcdio (CD drive and disc images), libdiscid
# (checks disc ids in a test), libcurl (web pages), nlohmann-json (structured data of web
# pages, header-only), ncurses (full-screen dialogs), tmux (drives them in a test).
native=(cmake ninja-build g++ libgtest-dev libgmock-dev googletest libsqlite3-dev pkg-config
        libglib2.0-dev shared-mime-info libcdio-dev libdiscid-dev libcurl4-openssl-dev
        nlohmann-json3-dev libncurses-dev tmux)
# The fuzz targets: clang with its sanitizer and libFuzzer runtime of the same version.
fuzz=(clang libclang-rt-dev)
# The cross build takes nlohmann-json's headers from the build machine's copy. xauth (for
# xvfb-run) and Wine's own fonts (for its dialogs) are only recommended by their packages, and
# recommendations are not installed here.
windows=(g++-mingw-w64-i686 nlohmann-json3-dev wine wine32:i386 xvfb xauth fonts-wine)
# bench/filescan-bench.sh times these on the same tree, and sqlite3 counts what was stored;
# bench/export-bench.sh times xsltproc beside the export and reads peak memory from GNU time.
bench=(libimage-exiftool-perl mediainfo sqlite3 xsltproc time)
# CPack's .deb: dpkg-shlibdeps (dpkg-dev), which finds the libraries with file; lintian checks it.
package=(dpkg-dev file lintian)

case "${1:-}" in
  native) wanted=("${native[@]}") ;;
  windows) wanted=("${windows[@]}") ;;
  fuzz) wanted=("${native[@]}" "${fuzz[@]}") ;;
  bench) wanted=("${bench[@]}") ;;
  package) wanted=("${package[@]}") ;;
  *) echo "usage: $0 native|windows|fuzz|bench|package" >&2; exit 2 ;;
esac

installed() {
  [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
for package in "${wanted[@]}"; do
  installed "$package" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

needs_i386=false
if [[ "$1" == windows ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  needs_i386=true
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages: ${missing[*]}. Run as root:" >&2
  $needs_i386 && echo "  dpkg --add-architecture i386" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
$needs_i386 && dpkg --add-architecture i386
echo "Installing ${missing[*]}" >&2
# With the packages they recommend: the Windows tests were proven with Wine's recommended set.
# dpkg without a sync after every file it writes (an install cut short is simply run again).
apt_install() { apt-get install -y -q -o Dpkg::Options::=--force-unsafe-io "${missing[@]}" >&2; }
# test.sh calls this for one job after another: the package lists are read again only when
# they are over an hour old, an architecture was just added, or the install fails without it.
stamp=/var/cache/apt/orv-lists-read
update() { apt-get update -q >&2 && touch "$stamp"; }
if $needs_i386 || [[ -z $(find "$stamp" -mmin -60 2>/dev/null) ]]; then
  update
  apt_install
else
  apt_install || { update && apt_install; }
fi
