#!/usr/bin/env bash
# End to end: in a prefix without the mail client, a click on "Allgemeine
# Einstellungen" brings up the not-installed message.
#   not_installed.sh ZORVANE_EXE BOXTEXT_EXE PREFIX SOURCE_DIR
set -u
exe=$1 boxtext=$2 prefix=$3 src=$4
source "$src/scripts/wine-env.sh"
source "$src/tests/e2e/window.sh"
zv_wine_env "$prefix" || exit 2
zv_wine_prefix
# In the 32-bit view, where the program looks for the client.
wine reg delete 'HKLM\SOFTWARE\Microsoft\Outlook Express' /f /reg:32 </dev/null >/dev/null 2>&1

log=$(mktemp)
trap 'wineserver -k >/dev/null 2>&1; rm -f "$log"' EXIT
setsid wine "$exe" </dev/null >/dev/null 2>&1 &

wnd=$(find_window '^Pelmora$')
if [ -z "$wnd" ]; then
  echo "main window did not appear"
  exit 1
fi
sleep 1
# The button's centre: 95 + 306/2, 129 + 30/2 in the border-less window.
xdotool mousemove --window "$wnd" 248 144 click 1
wine "$boxtext" Zorvane 30 </dev/null >"$log" 2>&1
rc=$?
cat "$log"
if [ $rc -ne 0 ]; then
  echo "no message box titled Zorvane"
  exit 1
fi
if ! grep -q 'ist nicht auf Ihrem Rechner installiert!' "$log"; then
  echo "the box does not say that the mail client is not installed"
  exit 1
fi
echo "not-installed message shown"
