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

# Creates the prefix once. Parallel callers (ctest -j) wait on the lock; the
# marker is written last so that a killed wineboot never leaves a half prefix
# that looks finished.
zv_wine_prefix() {
  local marker="$WINEPREFIX/.zorvane-ready"
  [ -f "$marker" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$marker" ]; then
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1 </dev/null
      # Without a window manager, destroying a managed window waits two seconds.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
      touch "$marker"
    fi
  ) 9>"$WINEPREFIX.lock"
}
