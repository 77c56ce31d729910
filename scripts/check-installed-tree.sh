#!/usr/bin/env bash
# Checks an installed or unpacked tree (ROOT/usr/bin/orvhost, ROOT/usr/lib/orvhost/filters, ...)
# on its own, with no path into the build tree: the version, `info` of each filter, a filescan
# import of the installed samples, a pagebuilder export through the installed template, and the
# bash completion of commands, filters and option keys.
#
#   scripts/check-installed-tree.sh ROOT VERSION
set -euo pipefail
root=$(cd "$1" && pwd)
version=$2
usr=$root/usr
orvhost=$usr/bin/orvhost
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORVHOST_CONFIG_DIR=$work/config XDG_DATA_HOME=$work/data ORVHOST_ANSWERS=
db=$work/collection.db
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[[ $("$orvhost" --version) == "orvhost $version" ]] || fail "orvhost --version: $("$orvhost" --version)"

for filter in filmcard discfetch filescan filmsearch auctionsearch pagebuilder; do
  if ! info=$("$orvhost" info "$filter" 2>&1); then
    fail "info $filter: $info"
  elif ! grep -qx "library: *$usr/lib/orvhost/filters/$filter.so" <<<"$info"; then
    fail "info $filter found another library: $(grep '^library:' <<<"$info")"
  fi
done

"$orvhost" configure filescan --set SelectDir=1 --set DoSubFolder=1 >/dev/null
"$orvhost" import filescan "$usr/share/orvhost/samples/media" --collection "$db" >"$work/import.txt" 2>&1 ||
  fail "filescan import: $(cat "$work/import.txt")"
grep -q 'marche_aux_fleurs' <("$orvhost" list --collection "$db" --json) ||
  fail "filescan stored no sample picture"

"$orvhost" configure pagebuilder --set "Template=$usr/share/orvhost/templates/catalogue.htm" \
  --set MediaType=3 >/dev/null
"$orvhost" export pagebuilder "$work/catalogue.htm" --collection "$db" >"$work/export.txt" 2>&1 ||
  fail "pagebuilder export: $(cat "$work/export.txt")"
[[ -s $work/catalogue.htm ]] || fail "pagebuilder wrote no catalogue"

# filmsearch's edit button: with no site file yet, the installed example is copied into the
# user's folder and that copy is opened.
# shellcheck disable=SC2016 # $1 is the editor's argument
printf '#!/bin/sh\nprintf "%%s" "$1" > "%s/edited"\n' "$work" >"$work/editor"
chmod +x "$work/editor"
printf 'dialog 129 press 1002 cancel\n' >"$work/answers"
VISUAL=$work/editor "$orvhost" configure filmsearch --dialog --answers "$work/answers" \
  >"$work/dialog.txt" 2>&1 || true
if [[ $(cat "$work/edited" 2>/dev/null) != "$ORVHOST_CONFIG_DIR/filmsearch.ini" ]] ||
  ! cmp -s "$ORVHOST_CONFIG_DIR/filmsearch.ini" "$usr/share/orvhost/sites/filmsearch.ini"; then
  fail "the edit button did not open a copy of the example: $(cat "$work/dialog.txt")"
fi

[[ -f $usr/share/man/man1/orvhost.1.gz ]] || fail "no manual page"

# The completion, as bash calls it: the words typed so far, the reply expected.
completion=$usr/share/bash-completion/completions/orvhost
complete_words() {
  PATH=$usr/bin:$PATH bash -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    _orvhost; printf "%s\n" "${COMPREPLY[@]}"' completion "$completion" "$@" 2>/dev/null
}
grep -qx configure <(complete_words orvhost con) || fail "completion of commands"
grep -qx filescan <(complete_words orvhost info file) || fail "completion of filter names"
grep -qx 'AllFiles=' <(complete_words orvhost configure filmcard --set All) ||
  fail "completion of option keys"

[[ $failures -eq 0 ]] && echo "installed tree $root: all checks passed"
[[ $failures -eq 0 ]]
