# Sourced by the scripts that run Windows programs: a private Wine prefix
# per display kind, created once, with the settings the tests rely on.
# KESTRUM_WINEPREFIX overrides the prefix.

kestrum_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's loader: KESTRUM_WINE; else wine64 on the PATH (WineHQ's packages
# before Wine 9); else Debian's, whose /usr/bin/wine is a script that tries
# a 32-bit loader first; else wine on the PATH (Wine 9 has one loader).
kestrum_find_wine() {
  local candidate
  for candidate in "${KESTRUM_WINE:-}" "$(command -v wine64)" /usr/lib/wine/wine64 "$(command -v wine)"; do
    [ -n "$candidate" ] && [ -x "$candidate" ] && { echo "$candidate"; return; }
  done
}
kestrum_wine="$(kestrum_find_wine)"
# Its server: KESTRUM_WINESERVER, else the one beside the loader (Debian's
# /usr/lib/wine, WineHQ's /opt/wine-*/bin), else wineserver on the PATH.
kestrum_wineserver="${KESTRUM_WINESERVER:-}"
if [ -z "$kestrum_wineserver" ] && [ -n "$kestrum_wine" ]; then
  kestrum_wineserver="$(dirname "$(readlink -f "$kestrum_wine")")/wineserver"
fi
[ -x "$kestrum_wineserver" ] || kestrum_wineserver="$(command -v wineserver || true)"
if [ -z "$kestrum_wine" ] || [ -z "$kestrum_wineserver" ]; then
  echo "wine-env: Wine not found: install it (scripts/install-deps.sh) or set KESTRUM_WINE and KESTRUM_WINESERVER" >&2
  exit 1
fi

kestrum_reg() {
  "$kestrum_wine" reg add "$@" /f >/dev/null 2>&1 || {
    local status=$?
    echo "wine-env: reg add $1 /v $3 in $WINEPREFIX exited with $status" >&2
    return "$status"
  }
}

# Whether the prefix's wineserver listens: its socket lies in a folder
# named after the prefix's device and inode, under /tmp/.wine-UID or, in
# newer Wine, a folder /tmp/wine-XXXXXX of its own.
kestrum_server_listens() {
  local server
  server="$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")"
  compgen -G "/tmp/.wine-$(id -u)/$server/socket" >/dev/null ||
    compgen -G "/tmp/wine-*/$server/socket" >/dev/null
}

# Whether the server that kestrum_prepare_prefix started still serves the prefix.
kestrum_prefix_running() {
  [ -f "$WINEPREFIX/.kestrum-server" ] &&
    kill -0 "$(cat "$WINEPREFIX/.kestrum-server")" 2>/dev/null &&
    kestrum_server_listens
}

# The tests' prefix: Wine's null display driver, whose desktop is a fixed
# 1024 x 768. With KESTRUM_DPI (say 144, for 150 % display scaling) a
# prefix of its own that reports that DPI.
kestrum_use_test_prefix() {
  unset DISPLAY WAYLAND_DISPLAY
  export KESTRUM_GRAPHICS_DRIVER=null
  export WINEPREFIX="${KESTRUM_WINEPREFIX:-$kestrum_root/build/wine/headless${KESTRUM_DPI:+-dpi$KESTRUM_DPI}}"
}

# The process ids of the prefix's processes whose command line matches
# the pattern.
kestrum_prefix_pids() {
  local pid
  for pid in $(pgrep -f "$1"); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

# Whether the prefix has its desktop process.
kestrum_desktop_running() {
  [ -n "$(kestrum_prefix_pids 'explorer.exe /desktop')" ]
}

# Stops the prefix's wineserver and every Wine process in it, and waits
# until they have ended: a desktop still ending would pass for the next
# start's desktop.
kestrum_stop_prefix() {
  "$kestrum_wineserver" -k >/dev/null 2>&1 || true
  rm -f "$WINEPREFIX/.kestrum-server"
  for _ in $(seq 100); do
    [ -z "$(kestrum_prefix_pids '^[A-Za-z]:\\|wineserver')" ] && return 0
    sleep 0.05
  done
  echo "wine-env: Wine processes of $WINEPREFIX still run after it was stopped" >&2
}

# Creates the prefix once and starts its wineserver, services and desktop
# detached from our output: otherwise ctest waits for every process that
# inherited its pipe, about 2.6 s per test.
kestrum_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.kestrum-ready" ]; then
      "$kestrum_wine" wineboot -i >/dev/null 2>&1 </dev/null || {
        echo "wine-env: creating the prefix $WINEPREFIX failed (wineboot -i)" >&2
        exit 1
      }
      # A crash prints a backtrace and exits instead of waiting in winedbg.
      kestrum_reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
      # The program's font: Wine has no Courier New, Liberation Mono is its metric twin.
      kestrum_reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono'
      # Without a window manager every hide of a managed window stalls 2 s.
      kestrum_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
      # The display scaling; the server restart below makes Wine read it.
      if [ -n "${KESTRUM_DPI:-}" ]; then
        kestrum_reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KESTRUM_DPI"
      fi
      if [ -n "${KESTRUM_GRAPHICS_DRIVER:-}" ]; then
        kestrum_reg 'HKCU\Software\Wine\Drivers' /v Graphics /d "$KESTRUM_GRAPHICS_DRIVER"
      fi
      "$kestrum_wineserver" -k >/dev/null 2>&1 || true
      "$kestrum_wineserver" -w >/dev/null 2>&1 || true
      touch "$WINEPREFIX/.kestrum-ready"
    fi
    # The server ends itself after ten idle minutes; start it again then.
    if ! kestrum_prefix_running; then
      setsid "$kestrum_wineserver" -f -p600 </dev/null >/dev/null 2>&1 9>&- &
      echo $! >"$WINEPREFIX/.kestrum-server"
      # Until its socket exists, a Wine program would start a server of
      # its own, one that inherits our output.
      for _ in $(seq 200); do
        kestrum_server_listens && break
        sleep 0.02
      done
      setsid "$kestrum_wine" wineboot </dev/null >/dev/null 2>&1 9>&- ||
        echo "wine-env: wineboot in $WINEPREFIX exited with $?" >&2
      # Let the desktop process that wineboot may have started end.
      sleep 0.5
    fi
    # The desktop process, started on demand by the first window, would
    # inherit that program's output and end with its windows; started here
    # it lives detached.
    if [ "${KESTRUM_GRAPHICS_DRIVER:-}" = null ] && ! kestrum_desktop_running; then
      for _ in 1 2 3 4 5; do
        setsid "$kestrum_wine" explorer.exe /desktop </dev/null >/dev/null 2>&1 9>&- &
        sleep 0.5
        kestrum_desktop_running && break
      done
      # Without it every window would end with the program that made it:
      # better no test than tests on a desktop that comes and goes.
      if ! kestrum_desktop_running; then
        echo "wine-env: the virtual desktop of $WINEPREFIX did not start" >&2
        exit 1
      fi
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Starts a private Xvfb display of the size WIDTHxHEIGHT and exports its
# DISPLAY; kestrum_xvfb holds its process id.
kestrum_start_xvfb() {
  local file
  file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$file" >/dev/null 2>&1 </dev/null &
  kestrum_xvfb=$!
  for _ in $(seq 100); do grep -q '^[0-9]' "$file" 2>/dev/null && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$file")"
  rm -f "$file"
}
