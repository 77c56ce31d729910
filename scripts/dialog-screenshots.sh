#!/usr/bin/env bash
# Opens the options dialog (129) of each filter DLL of the Windows build under a virtual display,
# as the host does, and saves a picture of it: out/screenshots/NAME.png (and of the dialogs some
# of them open from it: NAME_BUTTON.png). Look at them for the
# French labels with their accents and for controls cut off.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh windows
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j2

bin=$root/build/mingw/bin
out=$root/out/screenshots
mkdir -p "$out"

export WINEPREFIX=$root/build/mingw/shotprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -d $WINEPREFIX ]]; then
  wineboot -i >/dev/null 2>&1
fi
# No window manager runs on the virtual display: let Wine draw frames and captions itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# Wine's desktop process keeps the display it started with: none so far. Start over on Xvfb.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# Wine sees the whole file system as drive Z:. (winepath would start Wine here, without the
# display, and the dialog would then open on no screen at all.)
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# NAME.png: the options dialog; NAME_BUTTON.png: the dialog that button opens from it.
shots=()
for dll in "$bin"/*.dll; do
  name=$(basename "$dll" .dll)
  [[ $name == testfilter ]] && continue
  shots+=("$name")
done
shots+=("discfetch 3")  # the CDDB settings dialog

status=0
for entry in "${shots[@]}"; do
  read -r name button <<<"$entry"
  dll=$bin/$name.dll
  [[ -e $dll ]] || continue
  shot=$out/$name${button:+_$button}.png
  rm -f "$shot"
  # A second try covers a display that was slow to come up.
  for attempt in 1 2; do
    if xvfb-run -a -s "-screen 0 1024x768x24" \
         wine "$bin/dialog_shot.exe" "$(windows_path "$dll")" "$(windows_path "$shot")" $button \
         2> >(grep -v '^X connection' >&2); then
      break
    fi
    wineserver -k 2>/dev/null || true
  done
  # The next filter gets a display of its own: let this one's Wine processes go with theirs.
  wineserver -k 2>/dev/null || true
  if [[ -s $shot ]]; then
    echo "$shot"
  else
    echo "no picture of the dialog of $name" >&2
    status=1
  fi
done
exit $status
