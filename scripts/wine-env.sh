# Shared Wine set-up for scripts/test, scripts/run and the test runner.
# Sourced, not run. A prefix is always a private one of ours, never ~/.wine.

zv_wine_env() {
  local prefix=$1
  case "${prefix%/}" in
    "" | "$HOME/.wine" | "$HOME")
      echo "refusing to use Wine prefix '$prefix'" >&2
      return 2 ;;
  esac
  export WINEPREFIX="$prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=de_DE.UTF-8
  export LC_ALL=de_DE.UTF-8
}

# The Wine set-up a prefix was made with: version, architecture and whether
# 32-bit programs can run (wine32). A prefix made by another set-up can fail
# to start once that changes, so it is made anew.
zv_wine_setup() {
  local wow=no
  [ -x /usr/lib/wine/wine ] && wow=yes
  printf '%s %s wine32=%s\n' "$(wine --version 2>/dev/null)" "$WINEARCH" "$wow"
}

# Creates the prefix once per Wine set-up. Parallel callers (ctest -j) wait on
# the lock; the marker, which records the set-up, is written last so that a
# killed wineboot never leaves a half prefix that looks finished.
zv_wine_prefix() {
  local marker="$WINEPREFIX/.zorvane-ready" setup
  setup=$(zv_wine_setup)
  [ -f "$marker" ] && [ "$(cat "$marker")" = "$setup" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$marker" ] || [ "$(cat "$marker")" != "$setup" ]; then
      if [ -d "$WINEPREFIX" ]; then wineserver -k >/dev/null 2>&1 </dev/null || true; fi
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1 </dev/null
      # Without a window manager, destroying a managed window waits two seconds.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
      echo "$setup" >"$marker"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# True when a 64-bit and, with wine32, a 32-bit program start in the prefix.
zv_wine_starts() {
  timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || return 1
  [ -x /usr/lib/wine/wine ] || return 0
  timeout 120 wine 'C:\windows\syswow64\cmd.exe' /c exit </dev/null >/dev/null 2>&1
}

# zv_wine_prefix, and a prefix that no longer starts is made anew once.
zv_wine_prefix_checked() {
  zv_wine_prefix
  zv_wine_starts && return 0
  echo "== Wine prefix $WINEPREFIX does not start: making it anew" >&2
  wineserver -k >/dev/null 2>&1 </dev/null || true
  rm -f "$WINEPREFIX/.zorvane-ready"
  zv_wine_prefix
  zv_wine_starts && return 0
  echo "Wine prefix $WINEPREFIX does not start" >&2
  return 1
}
