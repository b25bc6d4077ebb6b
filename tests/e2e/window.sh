# Shared by the end-to-end scripts. Sourced, not run.

# find_window TITLE_REGEX: the first visible window with that title, waiting up
# to a minute. A window that vanishes while xdotool looks at it makes xdotool
# fail (BadWindow): that only means look again.
find_window() {
  local wnd i
  for i in $(seq 120); do
    wnd=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$wnd" ] && { echo "$wnd"; return 0; }
    sleep 0.5
  done
  return 1
}
