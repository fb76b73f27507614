# Wine environment for running KestalDate.exe on Linux. Source it, then call the functions:
#
#   kd_wine_env PREFIX        exports WINEPREFIX, WINEDEBUG, LANG, WINEDLLOVERRIDES
#   kd_wine_prefix PREFIX     creates the prefix if it is not ready yet (about 15 s), with the
#                             settings below, and starts the persistent wineserver
#   kd_wine_fonts             copies Wine's own fonts into the prefix (done by kd_wine_prefix)
#   kd_xvfb_start STATEFILE   starts Xvfb on the first free display from :90, exports DISPLAY
#                             and records the display and process id in STATEFILE
#   kd_xvfb_stop STATEFILE    stops the Xvfb recorded in STATEFILE
#   kd_wine_stop              stops the wineserver of the prefix (and every Wine process in it)
#
# The prefix gets: no Mono or Gecko installers; no crash debugger, so a crashing program exits
# with a failure code instead of sometimes 0, and no crash dialog that would hang; no Linux menu
# entries for the shortcuts that an installer makes (they would land in the user's home); the
# fonts that Debian's Wine package ships but does not load; one virtual desktop "kd" of 1024x768
# that every process joins (it gives the taskbar with its notification area); no sound driver,
# so a sound that cannot play never blocks (KD_WINE_AUDIO=1 keeps the audio driver).
#
# KD_SCREEN (WIDTHxHEIGHT, 1024x768 by default) sizes the virtual display and the desktop;
# KD_DPI (96, 120, 144, 192) sets the screen density of a new prefix.

kd_wine_env() {
  export WINEPREFIX=$1
  export WINEDEBUG=${KD_WINEDEBUG:--all}
  export LANG=C.UTF-8
  # No menu entries or icons on the Linux desktop for the shortcuts an installer makes.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
  export WINEARCH=win64
}

# Runs one step of the Wine set-up with its output kept in the prefix's setup.log (never in a
# caller's pipe: CTest would wait for the server that a step starts). A failing step is tried once
# more after a pause; failing again, it is named with the log to read, and fails.
kd_wine_step() {
  local log="${WINEPREFIX:-/tmp}/setup.log"
  mkdir -p "$(dirname "$log")"
  "$@" </dev/null >>"$log" 2>&1 && return 0
  echo "Wine set-up step failed, trying once more: $*" >>"$log"
  sleep 2
  "$@" </dev/null >>"$log" 2>&1 && return 0
  echo "Wine set-up step failed twice: $* (see $log)" >&2
  return 1
}

# Runs "wine reg add" as a set-up step; the arguments are those of reg add without /f.
kd_wine_reg_add() {
  kd_wine_step wine reg add "$@" /f
}

# Waits (bounded) until no Wine process of the prefix is left, then stops the server.
kd_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w >/dev/null 2>&1 || true
}

# Wine's own fonts, which Debian's package ships but does not load from its folder: among them
# Tahoma, the face the windows are drawn with, and its bold form for the titles.
kd_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -u /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts/" 2>/dev/null || true
}

kd_wine_prefix() {
  kd_wine_env "$1"
  local stamp="$WINEPREFIX/.kestal-ready"
  mkdir -p "$WINEPREFIX"
  kd_wine_step wineserver -p 600
  if [ -f "$stamp" ]; then
    kd_wine_fonts
    return 0
  fi

  timeout 120 wine wineboot --init </dev/null >"$WINEPREFIX/wineboot.log" 2>&1 || {
    echo "wineboot failed; see $WINEPREFIX/wineboot.log" >&2
    return 1
  }
  kd_wine_reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  kd_wine_reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d kd
  kd_wine_reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v kd /t REG_SZ /d "${KD_SCREEN:-1024x768}"
  if [ "${KD_WINE_AUDIO:-0}" != 1 ]; then
    kd_wine_reg_add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d ''
  fi
  kd_wine_fonts
  if [ -n "${KD_DPI:-}" ]; then
    kd_wine_reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KD_DPI"
    # Processes read the density when they start: none of wineboot's may stay.
    kd_wine_stop
    kd_wine_step wineserver -p 600
  fi
  touch "$stamp"
}

# True when display number $1 is taken (its lock file or its socket exists).
kd_display_taken() {
  [ -e "/tmp/.X$1-lock" ] || [ -e "/tmp/.X11-unix/X$1" ]
}

kd_xvfb_start() {
  local state=$1 n pid
  for n in $(seq 90 130); do
    kd_display_taken "$n" && continue
    # -fbdir: the screen's pixels in a file beside the state file (Xvfb_screen0, XWD format), for
    # the frames of what the screen shows; xwd composes its picture window by window and shows
    # black where a window's region leaves a hole.
    Xvfb ":$n" -screen 0 "${KD_SCREEN:-1024x768}x24" -fbdir "$(dirname "$state")" -nolisten tcp \
      -nolisten unix-abstract </dev/null >"$state.xvfb.log" 2>&1 &
    pid=$!
    disown "$pid" 2>/dev/null || true
    # Bounded wait for the server's socket; a lost race for the display ends the process.
    local i
    for i in $(seq 1 100); do
      if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
        export DISPLAY=":$n"
        printf 'DISPLAY=:%s\nKD_XVFB_PID=%s\n' "$n" "$pid" >"$state"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "no free X display for Xvfb" >&2
  return 1
}

kd_xvfb_stop() {
  local state=$1 KD_XVFB_PID=
  [ -f "$state" ] || return 0
  # shellcheck disable=SC1090
  . "$state"
  if [ -n "$KD_XVFB_PID" ] && kill -0 "$KD_XVFB_PID" 2>/dev/null; then
    kill "$KD_XVFB_PID" 2>/dev/null || true
    local i
    for i in $(seq 1 50); do
      kill -0 "$KD_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$KD_XVFB_PID" 2>/dev/null || true
  fi
  rm -f "$state"
}

# The Windows form of a Linux path (Wine maps drive Z: to the root of the file system).
kd_windows_path() {
  local path
  path=$(realpath -m "$1")
  printf 'Z:%s' "${path//\//\\}"
}
