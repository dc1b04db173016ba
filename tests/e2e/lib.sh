# Shared by the end-to-end tests: the real KX-DUNVALE.exe under Wine, seen from outside through the
# X display, the settings file, the registry and the display emulator's log.
#
# Every test gets its own private X display (Xvfb, 1280 x 1024, no window manager), its own copy of
# the project's template Wine prefix and its own wineserver, so tests can run in parallel and
# neither mouse clicks nor windows of one reach another. Everything started here ends at exit.
#
# usage, from a test script:
#   source lib.sh; e2e_begin WORK_DIR DIST_DIR STANDIN_DLL
#   ... e2e_expect / e2e_fail / e2e_die ...; e2e_end
set -euo pipefail

e2e_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_cmake_dir=$e2e_source_dir/cmake

# Every helper process ends by itself after this long, even if the test is killed before its cleanup.
e2e_lifetime=600

e2e_failed=0
e2e_pids=()    # processes to end at exit
e2e_program=() # launcher pids of the program; the pid of `wine KX-DUNVALE.exe` is the Windows process

e2e_log() { echo "[$(date +%T.%3N)] $*"; }

e2e_fail() {
  echo "FAILED: $*" >&2
  e2e_failed=1
}

# Fatal: the rest of the test cannot run.
e2e_die() {
  echo "FAILED: $*" >&2
  e2e_failed=1
  exit 1
}

# e2e_expect WHAT EXPECTED ACTUAL
e2e_expect() {
  if [ "$2" != "$3" ]; then
    e2e_fail "$1: expected '$2', got '$3'"
  else
    e2e_log "ok: $1 ($3)"
  fi
}

# e2e_wait SECONDS COMMAND...: polls until COMMAND succeeds; fails after SECONDS.
e2e_wait() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Milliseconds since the epoch.
e2e_now_ms() { echo $(($(date +%s%N) / 1000000)); }

# --- set-up and clean-up -------------------------------------------------------------------------

# e2e_begin WORK_DIR DIST_DIR STANDIN_DLL
e2e_begin() {
  work=$1 dist=$2 standin=$3
  [ -n "$work" ] || e2e_die "no work folder given"
  export WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$dist/KX-DUNVALE.exe" ] || e2e_die "no program in $dist"
  [ -f "$standin" ] || e2e_die "no sensor library stand-in at $standin"
  # A server left by a killed run of this test would keep serving the prefix that is deleted next.
  [ -f "$WINEPREFIX/system.reg" ] && timeout 20 wineserver -k </dev/null >/dev/null 2>&1 || true
  rm -rf "$work"
  mkdir -p "$work"
  trap e2e_cleanup EXIT
  set -E
  trap 'e2e_fail "a command failed (line $LINENO): $BASH_COMMAND"' ERR
  trap 'exit 130' INT TERM
  e2e_start_display
  e2e_make_prefix
}

# A private display. -displayfd picks a free display number and reports it once the server is ready.
e2e_start_display() {
  local number_file=$work/xvfb.display
  timeout "$e2e_lifetime" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$number_file" 9>&- </dev/null >"$work/xvfb.log" 2>&1 &
  e2e_pids+=($!)
  e2e_wait 20 test -s "$number_file" || e2e_die "Xvfb did not start: $(cat "$work/xvfb.log")"
  DISPLAY=:$(head -n1 "$number_file")
  export DISPLAY
  e2e_log "display $DISPLAY"
}

# The prefix: a copy of the project's template (made once by cmake/wine-prefix), with a persistent
# wineserver of its own. Wine's long-lived processes log to a file, away from ctest's pipes.
e2e_make_prefix() {
  local template=$e2e_source_dir/build/wine/prefix
  WINEPREFIX=$template "$e2e_cmake_dir/wine-prefix" "$template"
  cp -a "$template" "$WINEPREFIX.copy"
  mv "$WINEPREFIX.copy" "$WINEPREFIX"
  "$e2e_cmake_dir/wine-prefix" "$WINEPREFIX"
}

e2e_cleanup() {
  local status=$?
  set +e
  trap - EXIT ERR
  if [ "$e2e_failed" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
    timeout 30 import -window root "$work/failure-screen.png" >/dev/null 2>&1 &&
      echo "the screen at the failure: $work/failure-screen.png" >&2
  fi
  for pid in "${e2e_program[@]}"; do kill "$pid" 2>/dev/null; done
  if [ -f "$WINEPREFIX/system.reg" ]; then
    timeout 20 wineserver -k </dev/null >>"$work/wine.log" 2>&1
    rm -rf "$WINEPREFIX"
  fi
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${e2e_pids[@]}" "${e2e_program[@]}"; do wait "$pid" 2>/dev/null; done
  if [ "$e2e_failed" -ne 0 ]; then
    echo "logs and pictures: $work" >&2
    exit 1
  fi
  exit "$status"
}

# e2e_end: the test's verdict.
e2e_end() {
  if [ "$e2e_failed" -eq 0 ]; then
    e2e_log "all checks passed"
    exit 0
  fi
  exit 1
}

# --- the program ---------------------------------------------------------------------------------

# e2e_install APP_DIR [STANDIN_INI]: the distribution with the sensor library's stand-in beside it,
# described by STANDIN_INI (the stand-in's default description when not given).
e2e_install() {
  local app=$1 ini=${2:-$(dirname "$standin")/cpuidsdk-standin.ini}
  mkdir -p "$app"
  cp -a "$dist/." "$app/"
  cp "$standin" "$app/cpuidsdk.dll"
  cp "$ini" "$app/cpuidsdk-standin.ini"
}

# e2e_start APP_DIR: starts the program in the background; its pid is in $program_pid.
e2e_start() {
  (cd "$1" && exec wine KX-DUNVALE.exe) 9>&- </dev/null >>"$work/program.log" 2>&1 &
  program_pid=$!
  e2e_program+=("$program_pid")
  e2e_log "started KX-DUNVALE.exe (pid $program_pid)"
}

# A started program that has ended stays a zombie until it is waited for.
e2e_running() {
  local state
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}
e2e_ended() { ! e2e_running "$1"; }

# e2e_wait_exit PID SECONDS: waits for a started program to end and sets $exit_status (in this
# shell: not from a command substitution, whose subshell cannot wait for it); fails after SECONDS.
e2e_wait_exit() {
  e2e_wait "$2" e2e_ended "$1" || return 1
  exit_status=0
  wait "$1" || exit_status=$?
}

# The program's windows that can be seen: mapped and larger than the 1 x 1 X window that Wine
# keeps mapped for the collapsed (zero-size) main window.
e2e_shown_windows() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^kx-dunvale\.exe$' 2>/dev/null); do
    local WIDTH=0 HEIGHT=0 X=0 Y=0 SCREEN=0 WINDOW=0
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    [ "$WIDTH" -gt 1 ] && [ "$HEIGHT" -gt 1 ] && echo "$id"
  done
  return 0
}
e2e_window_shown() { [ -n "$(e2e_shown_windows)" ]; }
e2e_window_hidden() { [ -z "$(e2e_shown_windows)" ]; }

# e2e_other_windows ID: the program's shown windows other than ID, such as a popup's own X window.
e2e_other_windows() { e2e_shown_windows | grep -vx "$1" || true; }

# e2e_main_window: the id of the shown main window (waits for it), or fails.
e2e_main_window() {
  e2e_wait 10 e2e_window_shown || return 1
  e2e_shown_windows | head -n1
}

# e2e_geometry ID: "X,Y WIDTHxHEIGHT" (with no window manager, the X window is the whole window).
e2e_geometry() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X,$Y ${WIDTH}x$HEIGHT"
}

# e2e_click ID X Y: a left click at client coordinates of the window.
e2e_click() {
  xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click 1
}

# e2e_drag ID X Y DX DY: presses the left button at client (X, Y), moves by (DX, DY) in steps, releases.
e2e_drag() {
  xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 mousedown 1 sleep 0.2
  local step
  for step in 1 2 3 4; do
    xdotool mousemove_relative -- $(($4 / 4)) $(($5 / 4)) sleep 0.1
  done
  xdotool mouseup 1 sleep 0.3
}

# --- the notification area -----------------------------------------------------------------------

# With no tray manager on the display, Wine shows the icons in a small window of its own. With
# Managed=N its X window is the whole window rectangle: the client, where the first icon's 20 x 20
# cell lies, begins inside Wine's frame (3 pixels) and caption (19 pixels more).
e2e_tray_client_x=3
e2e_tray_client_y=22

e2e_tray_window() { xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n1; }
e2e_tray_shown() { [ -n "$(e2e_tray_window)" ]; }
e2e_tray_gone() { [ -z "$(e2e_tray_window)" ]; }

# e2e_tray_click [xdotool click arguments]: clicks the first tray icon (a left single click by default).
e2e_tray_click() {
  local tray X Y WIDTH HEIGHT SCREEN WINDOW
  tray=$(e2e_tray_window)
  [ -n "$tray" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + e2e_tray_client_x + 10)) $((Y + e2e_tray_client_y + 10)) sleep 0.1 click "${@:-1}"
}

# A double-click on the first tray icon.
e2e_tray_double_click() { e2e_tray_click --repeat 2 --delay 100 1; }

# --- the serial display --------------------------------------------------------------------------

# e2e_serial_display NAME [emulator options]: a display emulator on COM5, listed as a USB serial
# device in the registry. Its JSON log is $work/NAME.jsonl, its pid $display_pid.
e2e_serial_display() {
  local name=$1 link=$WINEPREFIX/dosdevices/com5
  shift
  [ -x "$emulator" ] || e2e_die "no display emulator at $emulator"
  local key='HKLM\System\CurrentControlSet\Enum\USB\VID_2E3C&PID_5740\0001'
  timeout 20 wine reg add "$key" /v ClassGUID /d '{4D36E978-E325-11CE-BFC1-08002BE10318}' /f \
    </dev/null >>"$work/wine.log" 2>&1 || e2e_die "could not list COM5"
  timeout 20 wine reg add "$key" /v FriendlyName /d 'USB Serial Device (COM5)' /f \
    </dev/null >>"$work/wine.log" 2>&1 || e2e_die "could not list COM5"
  rm -f "$link"
  timeout "$e2e_lifetime" "$emulator" --link "$link" "$@" 9>&- </dev/null >"$work/$name.jsonl" 2>"$work/$name.log" &
  display_pid=$!
  e2e_pids+=("$display_pid")
  e2e_wait 10 grep -qs '"event":"ready"' "$work/$name.jsonl" || e2e_die "display emulator did not start: $(cat "$work/$name.log")"
  e2e_wait 10 test -L "$link" || e2e_die "display emulator did not link COM5"
}

# Ends the last display emulator (which removes its COM5 link as it goes).
e2e_stop_serial_display() {
  kill "$display_pid" 2>/dev/null || true
  wait "$display_pid" 2>/dev/null || true
}

# e2e_frames FILE: one line per frame in the emulator's log:
#   "<ms since epoch> <type> [answered=<bool>] [turn=<n> <cpu|gpu> <kind> <value>] [bad]"
e2e_frames() {
  local line
  while IFS= read -r line; do
    [[ $line =~ \"time\":\"([^\"]*)\" ]] || continue
    local out
    out="$(date -d "${BASH_REMATCH[1]}" +%s%3N)"
    [[ $line =~ \"type\":\"([a-z]*)\" ]] && out+=" ${BASH_REMATCH[1]}"
    [[ $line =~ \"answered\":(true|false) ]] && out+=" answered=${BASH_REMATCH[1]}"
    [[ $line =~ \"turn\":([0-9a-z]*) ]] && out+=" turn=${BASH_REMATCH[1]}"
    [[ $line =~ \"device\":\"([a-z]*)\" ]] && out+=" ${BASH_REMATCH[1]}"
    [[ $line =~ \"kind\":\"([A-Za-z]*)\" ]] && out+=" ${BASH_REMATCH[1]}"
    [[ $line =~ \"value\":(-?[0-9]+) ]] && out+=" ${BASH_REMATCH[1]}"
    [[ $line =~ \"well_formed\":false ]] && out+=" bad"
    echo "$out"
  done <"$1"
}

e2e_frame_count() { grep -c '"hex"' "$1" 2>/dev/null || true; }
e2e_frames_at_least() { [ "$(e2e_frame_count "$1")" -ge "$2" ]; }

# --- pictures ------------------------------------------------------------------------------------

# e2e_pixel PNG X Y: "R G B" of one pixel, 0 to 255.
e2e_pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# e2e_near "R G B" "R G B" TOLERANCE: every channel within TOLERANCE.
e2e_near() {
  local a b
  read -r -a a <<<"$1"
  read -r -a b <<<"$2"
  local i d
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    [ "${d#-}" -le "$3" ] || return 1
  done
}

# e2e_expect_colour WHAT PNG X Y "R G B" TOLERANCE
e2e_expect_colour() {
  local actual
  actual=$(e2e_pixel "$2" "$3" "$4")
  if e2e_near "$actual" "$5" "$6"; then
    e2e_log "ok: $1 at ($3,$4): $actual"
  else
    e2e_fail "$1 at ($3,$4): expected about '$5' (+-$6), got '$actual'"
  fi
}

# e2e_screen_shot ID PNG: the screen within the window's rectangle, with whatever lies on top of it
# (a popup over the main window, say).
e2e_screen_shot() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  timeout 30 import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$2"
}

# e2e_picture_distance PNG X Y PICTURE BACKDROP BX BY: how far the area of PNG at (X, Y), of the
# picture's size, is from PICTURE drawn over the area of BACKDROP at (BX, BY): the mean difference
# of the colour channels, 0 (the same) to 255.
e2e_picture_distance() {
  local size
  size=$(identify -format '%wx%h' "$4")
  convert \( "$5" -crop "$size+$6+$7" +repage \) "$4" -compose over -composite -alpha off \
    \( "$1" -crop "$size+$2+$3" +repage -alpha off \) -compose difference -composite \
    -format '%[fx:round(255*mean)]' info:
}

# e2e_expect_picture WHAT PNG X Y PICTURE BACKDROP BX BY: the area looks like PICTURE over BACKDROP
# (within a mean difference of 3: other faces of the skin's buttons differ by 14 and more).
e2e_expect_picture() {
  local distance
  distance=$(e2e_picture_distance "${@:2}")
  if [ "$distance" -le 3 ]; then
    e2e_log "ok: $1 ($(basename "$5"), distance $distance)"
  else
    e2e_fail "$1: the area at ($3,$4) is not $(basename "$5") (distance $distance)"
  fi
}

# e2e_text_box PNG X Y WIDTH HEIGHT: where the bright (text) pixels of the area lie, relative to the
# area, as "LEFT TOP RIGHT BOTTOM" (right and bottom exclusive); nothing when there are none.
e2e_text_box() {
  local box
  box=$(convert "$1" -crop "${4}x$5+$2+$3" +repage -colorspace gray -threshold 70% -format '%@' info: 2>/dev/null)
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 0
  [ "${BASH_REMATCH[1]}" -gt 0 ] || return 0
  echo "${BASH_REMATCH[3]} ${BASH_REMATCH[4]} $((BASH_REMATCH[3] + BASH_REMATCH[1])) $((BASH_REMATCH[4] + BASH_REMATCH[2]))"
}

# e2e_second_start APP_DIR: runs a second copy in the foreground (bounded); sets $second_status and
# $second_ms (its wall time).
e2e_second_start() {
  local start
  start=$(e2e_now_ms)
  second_status=0
  (cd "$1" && exec timeout 20 wine KX-DUNVALE.exe) 9>&- </dev/null >>"$work/program.log" 2>&1 || second_status=$?
  second_ms=$(($(e2e_now_ms) - start))
  e2e_log "second start ended with $second_status after $second_ms ms"
}

# e2e_run_value: the data of the autostart value, or nothing when it is missing (reg query fails then).
e2e_run_value() {
  { timeout 20 wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Zelvane 2>/dev/null </dev/null || true; } |
    tr -d '\r' | sed -n 's/^ *Zelvane *REG_SZ *//p'
}

# e2e_windows_path UNIX_PATH: the path as the program sees it (Wine's Z: drive).
e2e_windows_path() { echo "Z:${1//\//\\}"; }

# e2e_setting FILE KEY: the value of KEY in a settings file, or nothing.
e2e_setting() {
  tr -d '\r' <"$1" 2>/dev/null | awk -v key="$2" 'index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

# Writes a settings file with the first-run values, changed by KEY=VALUE arguments:
#   e2e_settings "$app/Setting.ini" TEMPERATURE=0 TFT_SPEED=2
e2e_settings() {
  local file=$1 key value i
  shift
  local keys=(TEMPERATURE "ATUO START" TFT_CTEMP TFT_CFREQ TFT_CTRPM TFT_CPOWER TFT_CLOAD TFT_GTEMP
              TFT_GFREQ TFT_GTRPM TFT_GPOWER TFT_GLOAD TFT_OPEN TFT_SPEED TFT_ANIMATION TFT_TURN)
  local values=(1 1 1 1 1 1 1 1 1 1 1 1 1 0 1 0)
  for change in "$@"; do
    key=${change%%=*} value=${change#*=}
    for i in "${!keys[@]}"; do
      [ "${keys[$i]}" = "$key" ] && values[$i]=$value
    done
  done
  {
    echo "[ZELVANE SETTINGS]"
    for i in "${!keys[@]}"; do echo "${keys[$i]}=${values[$i]}"; done
  } >"$file"
}
