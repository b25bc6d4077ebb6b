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
  zv_wine64_only
}

# True when this machine runs 32-bit Linux programs, and with them Wine's
# 32-bit loader (wine32). Some kernels are built without that.
zv_wine32_runs() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Debian's "wine" picks the 32-bit loader whenever wine32 is installed, also
# where the kernel cannot run it: then not even a 64-bit program starts. There
# "wine" (and "wine-stable", which wineboot and the other tools call) become
# the 64-bit loader, through a folder of our own first on the PATH.
zv_wine64_only() {
  [ -x /usr/lib/wine/wine64 ] && [ -x /usr/lib/wine/wine ] || return 0
  if [ -z "${ZV_WINE32_RUNS:-}" ]; then
    if zv_wine32_runs; then ZV_WINE32_RUNS=yes; else ZV_WINE32_RUNS=no; fi
    export ZV_WINE32_RUNS
  fi
  [ "$ZV_WINE32_RUNS" = no ] || return 0
  local shims="${TMPDIR:-/tmp}/zorvane-wine64-$(id -u)" name
  if [ ! -x "$shims/wine-stable" ]; then
    mkdir -p "$shims"
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/$name.$$"
      chmod +x "$shims/$name.$$"
      mv "$shims/$name.$$" "$shims/$name"
    done
  fi
  case ":$PATH:" in *":$shims:"*) ;; *) export PATH="$shims:$PATH" ;; esac
  export WINELOADER=/usr/lib/wine/wine64
}

# zv_import_32 FILE: imports a registry file into the 32-bit view, as the mail
# client's 32-bit set-up would: with the 32-bit regedit, or where no 32-bit
# program runs, with reg's own switch for that view.
zv_import_32() {
  local file
  file=$(winepath -w "$1" 2>/dev/null)
  if zv_wine32_runs; then
    wine 'C:\windows\syswow64\regedit.exe' /S "$file" </dev/null >/dev/null 2>&1
  else
    wine reg import "$file" /reg:32 </dev/null >/dev/null 2>&1
  fi
}

# The Wine set-up a prefix was made with: version, architecture and whether
# 32-bit programs can run (wine32). A prefix made by another set-up can fail
# to start once that changes, so it is made anew.
zv_wine_setup() {
  local wow=no
  zv_wine32_runs && wow=yes
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
  zv_wine32_runs || return 0
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
