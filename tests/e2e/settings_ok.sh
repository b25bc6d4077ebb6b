#!/usr/bin/env bash
# End to end: in a prefix with the demo installation of the mail client, a
# real click opens a settings dialog and OK without a change leaves every key
# the dialog shows exactly as it was.
#   settings_ok.sh ZORVANE_EXE PREFIX SOURCE_DIR BUTTON_X BUTTON_Y TITLE_REGEX [KEY...]
# The keys are typed into the dialog before OK (the identity dialog's
# selection box has the focus: Down chooses the first identity).
set -u
exe=$1 prefix=$2 src=$3 bx=$4 by=$5 title=$6
shift 6
source "$src/scripts/wine-env.sh"
source "$src/tests/e2e/window.sh"
zv_wine_env "$prefix" || exit 2
zv_wine_prefix
# As the client's set-up would: into the 32-bit view.
zv_import_32 "$src/resources/demo.reg"

keys=('HKLM\Software\Microsoft\Outlook Express' 'HKCU\Software\Microsoft\WAB'
      'HKCU\Software\Microsoft\Internet Explorer\Toolbar' 'HKCU\AppEvents\Schemes\Apps\.Default\MailBeep'
      'HKCR\.eml' 'HKCU\Identities')
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
export_all() {
  local i=0 key
  for key in "${keys[@]}"; do
    i=$((i + 1))
    wine reg export "$key" "$(winepath -w "$work")\\$1-$i.reg" /reg:32 /y </dev/null >/dev/null 2>&1 ||
      echo "(no key)" >"$work/$1-$i.reg"
  done
}
export_all before

setsid wine "$exe" </dev/null >/dev/null 2>&1 &
main=$(find_window '^Pelmora$')
[ -n "$main" ] || { echo "main window did not appear"; exit 1; }
sleep 1
xdotool mousemove --window "$main" "$bx" "$by" click 1
dlg=$(find_window "$title")
[ -n "$dlg" ] || { echo "no dialog matching $title"; exit 1; }
sleep 1
for key in "$@"; do
  xdotool key --window "$dlg" "$key"
  sleep 1
done
# "OK": 8 pixels from the left of the button row, 17 below its top.
eval "$(xdotool getwindowgeometry --shell "$dlg")"
xdotool mousemove --window "$dlg" 52 $((HEIGHT - 21)) click 1
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || break
  sleep 0.2
done
if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
  echo "OK did not close the dialog"
  exit 1
fi
export_all after
for f in "$work"/before-*.reg; do
  if ! cmp -s "$f" "${f/before-/after-}"; then
    echo "OK without changes changed the registry:"
    diff <(iconv -f UTF-16LE -t UTF-8 "$f") <(iconv -f UTF-16LE -t UTF-8 "${f/before-/after-}") | head -20
    exit 1
  fi
done
echo "dialog opened, OK left the registry as it was"
