#!/usr/bin/env bash
# cmake --install of the build into an empty folder, then the installed-tree checks on it.
#   installed_tree_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# In the sanitizer build: GIO keeps its MIME database in caches it never frees, not leaks of ours.
printf 'leak:libgio-2.0.so\nleak:libglib-2.0.so\n' >"$root/lsan.supp"
export LSAN_OPTIONS=suppressions=$root/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}
"$scripts/check-installed-tree.sh" "$root" "$version"
