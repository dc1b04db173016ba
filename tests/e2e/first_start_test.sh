#!/usr/bin/env bash
# First start of KX-DUNVALE.exe in a folder that holds only the program, its Resources and the
# sensor library (here the stand-in): it writes Setting.ini with the first-run values and the
# autostart value, shows no window, only its tray icon, and keeps running with no display device.
# A later start reads the file as it is and leaves the autostart value alone.
#
# usage: first_start_test.sh DIST_DIR STANDIN_DLL DISPLAY_EMULATOR WORK_DIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$4" "$1" "$2"

app=$work/app
e2e_install "$app"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
timeout 20 wine reg delete "$run_key" /v Zelvane /f </dev/null >>"$work/wine.log" 2>&1 || true
[ -z "$(e2e_run_value)" ] || e2e_die "the prefix already has an autostart value"

started=$SECONDS
e2e_start "$app"
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon appeared"
e2e_log "ok: the tray icon is shown"

# The settings file: 16 keys in order, every one 1 but the speed and the orientation.
e2e_settings "$work/settings.expected"
if [ -f "$app/Setting.ini" ]; then
  tr -d '\r' <"$app/Setting.ini" | sed '/^$/d' >"$work/settings.actual"
  if diff -u --label expected --label actual "$work/settings.expected" "$work/settings.actual"; then
    e2e_log "ok: Setting.ini holds the first-run values"
  else
    e2e_fail "Setting.ini differs from the first-run values"
  fi
else
  e2e_fail "no Setting.ini beside the program"
fi

# The autostart value: the running executable, quoted.
e2e_expect "autostart value" "\"$(e2e_windows_path "$app")\\KX-DUNVALE.exe\"" "$(e2e_run_value)"

# Past the worker's start (2 s after the page) and a few of its cycles, with no display device on
# any port: still running, still without a window.
sleep $((started + 5 - SECONDS))
e2e_running "$program_pid" || e2e_fail "the program ended by itself: $(tail -n5 "$work/program.log")"
if e2e_window_hidden; then
  e2e_log "ok: no window is shown"
else
  e2e_fail "a window is shown at start: $(for w in $(e2e_shown_windows); do e2e_geometry "$w"; done)"
fi
e2e_tray_shown || e2e_fail "the tray icon went away"

# End it (a second start shows the window, the Close button ends the program), then start again
# after a hand edit of the file and a deletion of the autostart value.
e2e_second_start "$app"
window=$(e2e_main_window) || e2e_die "a second start did not show the window"
e2e_click "$window" 1018 33
e2e_wait_exit "$program_pid" 15 || e2e_die "the Close button did not end the program"
e2e_wait 10 e2e_tray_gone || e2e_fail "the tray icon stayed after the program ended"

sed -i 's/^TFT_SPEED=0/TFT_SPEED=2/' "$app/Setting.ini"
cp "$app/Setting.ini" "$work/settings.edited"
timeout 20 wine reg delete "$run_key" /v Zelvane /f </dev/null >>"$work/wine.log" 2>&1 ||
  e2e_fail "could not delete the autostart value"
e2e_start "$app"
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon appeared at the later start"
sleep 1
if cmp -s "$work/settings.edited" "$app/Setting.ini"; then
  e2e_log "ok: a later start leaves Setting.ini as it was"
else
  e2e_fail "a later start changed Setting.ini: $(diff "$work/settings.edited" "$app/Setting.ini" | tr -d '\r')"
fi
e2e_expect "autostart value after a later start" "" "$(e2e_run_value)"
e2e_end
