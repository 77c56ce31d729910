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
"$scripts/check-installed-tree.sh" "$root" "$version"
