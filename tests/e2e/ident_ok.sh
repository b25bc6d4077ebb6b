#!/usr/bin/env bash
# End to end: with the demo machine's three identities, a click on
# "Einstellungen für Identitäten" opens the identity dialog; an identity is
# chosen with the keyboard and "OK" closes the dialog without changing a
# single value below HKEY_CURRENT_USER\Identities.
#   ident_ok.sh ZORVANE_EXE PREFIX SOURCE_DIR
set -u
exe=$1 prefix=$2 src=$3
source "$src/scripts/wine-env.sh"
zv_wine_env "$prefix" || exit 2
zv_wine_prefix
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
cp "$src/resources/demo.reg" "$work/demo.reg"
# Into the view of the 64-bit program, whatever the importer's own view.
wine reg import "$(winepath -w "$work/demo.reg" 2>/dev/null)" /reg:64 </dev/null >/dev/null 2>&1
export_identities() {
  wine reg export 'HKCU\Identities' "$(winepath -w "$1" 2>/dev/null)" /y </dev/null >/dev/null 2>&1
}
export_identities "$work/before.reg"
# The export is UTF-16.
if ! iconv -f UTF-16 -t UTF-8 "$work/before.reg" | grep -q 'Verein'; then
  echo "the demo identities did not arrive"
  exit 1
fi

setsid wine "$exe" </dev/null >/dev/null 2>&1 &
main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pelmora$' | head -n 1)
if [ -z "$main" ]; then
  echo "main window did not appear"
  exit 1
fi
sleep 1
# The button's centre: 95 + 306/2, 169 + 30/2 in the border-less window.
xdotool mousemove --window "$main" 248 184 click 1
dlg=$(timeout 30 xdotool search --sync --onlyvisible --name 'Anpassen von Microsoft' | head -n 1)
if [ -z "$dlg" ]; then
  echo "the identity dialog did not open"
  exit 1
fi
sleep 1
# The selection box has the focus: the arrow key picks the first identity.
xdotool key --window "$dlg" Down
sleep 1
# "OK": 8 + 89/2, 20 + 397 + 17 + 25/2 in the dialog.
xdotool mousemove --window "$dlg" 52 446 click 1
for _ in $(seq 20); do
  xdotool search --onlyvisible --name 'Anpassen von Microsoft' >/dev/null 2>&1 || break
  sleep 0.5
done
if xdotool search --onlyvisible --name 'Anpassen von Microsoft' >/dev/null 2>&1; then
  echo "the dialog stayed open after OK"
  exit 1
fi
export_identities "$work/after.reg"
if ! cmp -s "$work/before.reg" "$work/after.reg"; then
  echo "OK without changes changed the identities:"
  diff "$work/before.reg" "$work/after.reg" | head -20
  exit 1
fi
echo "identity dialog opened and closed with OK; the identities are unchanged"
