#!/usr/bin/env bash
# The settings popup, opened by the main window's settings button:
#   a window of its own, 82 x 101, its top-left corner at the button's bottom-left corner, showing
#   the unit and autostart settings in force as pressed buttons;
#   it stays open while the cursor rests on the settings button or inside it; neither Enter nor
#   Escape closes it; once the cursor is elsewhere it closes within a second;
#   Fahrenheit is saved in Setting.ini at once, and from the next cycle on the monitor page's gauges
#   show the temperatures in Fahrenheit and the serial display receives Fahrenheit frames;
#   the autostart button switches autostart off (setting 0, Run value deleted) and on again
#   (setting 1, Run value written back).
# The machine (the sensor library's stand-in) has fixed readings; the display shows only the two
# temperatures, at speed 2, so a temperature frame comes two seconds out of three. Pictures of the
# screen with the popup open and of the monitor page in Fahrenheit are kept in the work folder.
#
# usage: settings_popup_test.sh DIST_DIR STANDIN_DLL DISPLAY_EMULATOR WORK_DIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$4" "$1" "$2"
emulator=$3
here=$(cd "$(dirname "$0")" && pwd)
buttons=$dist/Resources
popup_background=$e2e_source_dir/res/skin/settings_background.png

app=$work/app
e2e_install "$app" "$here/data/fixed-machine.ini"
e2e_settings "$app/Setting.ini" TEMPERATURE=1 "ATUO START=1" TFT_SPEED=2 TFT_ANIMATION=0 \
  TFT_CFREQ=0 TFT_CTRPM=0 TFT_CPOWER=0 TFT_CLOAD=0 TFT_GFREQ=0 TFT_GTRPM=0 TFT_GPOWER=0 TFT_GLOAD=0
ini=$app/Setting.ini
run_value="\"$(e2e_windows_path "$app")\\KX-DUNVALE.exe\""
timeout 20 wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Zelvane /d "$run_value" /f \
  </dev/null >>"$work/wine.log" 2>&1 || e2e_die "could not write the autostart value"
frames=$work/display.jsonl
e2e_serial_display display

e2e_start "$app"
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon appeared"
e2e_second_start "$app"
window=$(e2e_main_window) || e2e_die "the window did not show"
read -r window_x window_y _ < <(e2e_geometry "$window" | tr ',' ' ')
shot=$work/window.png
take_shot() { timeout 30 import -window "$window" "$shot"; }

# The gauges' value and unit text: its width in the gauge (at page (70, 18) and (470, 18), the page
# at (238, 96)). Two digits in Celsius here (46, 61), three in Fahrenheit (115, 142).
gauge_text_width() { # GAUGE_X
  local box
  box=($(e2e_text_box "$shot" $((238 + $1 + 20)) $((96 + 18 + 45)) 150 70))
  echo $((${#box[@]} ? box[2] - box[0] : 0))
}
gauges_show() { take_shot && [ "$(gauge_text_width 70)" -gt 0 ] && [ "$(gauge_text_width 470)" -gt 0 ]; }
# The worker's first cycle (2 s after the page) sends the first reading and sets the gauges.
e2e_wait 30 e2e_frames_at_least "$frames" 2 || e2e_die "the display received no reading within 30 s"
e2e_wait 10 gauges_show || e2e_die "the gauges show no value"
cpu_celsius=$(gauge_text_width 70) gpu_celsius=$(gauge_text_width 470)

# Opened: the settings button (Set.png's size at (945, 20)) is under the cursor.
read -r button_w button_h < <(identify -format '%w %h\n' "$buttons/Set.png")
e2e_click "$window" $((945 + button_w / 2)) $((20 + button_h / 2))
popup_shown() { [ -n "$(e2e_other_windows "$window")" ]; }
popup_gone() { [ -z "$(e2e_other_windows "$window")" ]; }
e2e_wait 10 popup_shown || e2e_die "the settings button opened no popup"
popup=$(e2e_other_windows "$window" | head -n1)
e2e_expect "popup" "$((window_x + 945)),$((window_y + 20 + button_h)) 82x101" "$(e2e_geometry "$popup")"
sleep 1 # several of its cursor checks
popup_shown || e2e_die "the popup closed with the cursor on the settings button"

popup_shot=$work/popup.png
take_popup_shot() { timeout 30 import -window "$popup" "$popup_shot"; }
expect_button() { # WHAT PICTURE X Y: a button of the popup
  e2e_expect_picture "$1" "$popup_shot" "$3" "$4" "$buttons/$2" "$popup_background" "$3" "$4"
}
take_popup_shot || e2e_die "no screenshot of the popup"
expect_button "Fahrenheit button at first" Temp0.png 5 10
expect_button "Celsius button at first" Temp1_P.png 43 10
expect_button "autostart button at first" Start_P.png 5 52

# In the popup, the cursor rests at a spot below the buttons.
rest_cursor() { xdotool mousemove --window "$popup" 41 96 sleep 0.4; }

# Fahrenheit: saved at once, then shown and sent from the next cycle.
rest_cursor
before_ms=$(e2e_now_ms)
e2e_click "$popup" 22 29
after_ms=$(e2e_now_ms)
unit_saved() { [ "$(e2e_setting "$ini" TEMPERATURE)" = 0 ]; }
if e2e_wait 2 unit_saved; then
  e2e_log "ok: TEMPERATURE=0 saved $(($(e2e_now_ms) - after_ms)) ms after the click"
else
  e2e_fail "Setting.ini holds TEMPERATURE=$(e2e_setting "$ini" TEMPERATURE) after Fahrenheit was clicked"
fi
[ "$(($(e2e_now_ms) - after_ms))" -le 1000 ] || e2e_fail "TEMPERATURE=0 took more than a second to be saved"
rest_cursor
take_popup_shot || e2e_die "no screenshot of the popup"
expect_button "Fahrenheit button after its click" Temp0_P.png 5 10
expect_button "Celsius button after the Fahrenheit click" Temp1.png 43 10

gauges_widen() { take_shot && [ "$(gauge_text_width 70)" -ge $((cpu_celsius + 15)) ] &&
  [ "$(gauge_text_width 470)" -ge $((gpu_celsius + 15)) ]; }
if e2e_wait 3 gauges_widen; then
  e2e_log "ok: the gauges' texts grew by a digit ($cpu_celsius -> $(gauge_text_width 70), $gpu_celsius -> $(gauge_text_width 470))"
else
  e2e_fail "the gauges' texts did not grow by a digit after Fahrenheit was clicked:" \
    "$cpu_celsius -> $(gauge_text_width 70), $gpu_celsius -> $(gauge_text_width 470)"
fi
e2e_screen_shot "$window" "$work/settings-popup.png" || e2e_fail "no screenshot of the screen"

# Frames: Celsius before the click, Fahrenheit (46 -> 114, 61 -> 141) from a second after it.
fahrenheit_frame() { e2e_frames "$frames" | awk -v t="$after_ms" '$1 >= t + 1000 && / TempF /' | grep -q .; }
e2e_wait 5 fahrenheit_frame || e2e_fail "no Fahrenheit frame within 5 s of the click"
e2e_frames "$frames" >"$work/display.frames"
check_readings() { # WHAT AWK_CONDITION EXPECTED: at least one reading, each one matching EXPECTED
  local readings
  readings=$(awk "$2"' && $2 == "reading" { print $4, $5, $6 }' "$work/display.frames" | sort -u)
  if [ -n "$readings" ] && ! grep -Evxq "$3" <<<"$readings"; then
    e2e_log "ok: $1: $(paste -sd, <<<"$readings")"
  else
    e2e_fail "$1: expected $3, got '$(paste -sd, <<<"$readings")'"
  fi
}
check_readings "temperature frames before the click" "\$1 < $before_ms" 'cpu TempC 46|gpu TempC 61'
check_readings "temperature frames from a second after the click" "\$1 >= $after_ms + 1000" 'cpu TempF 114|gpu TempF 141'

# Autostart off, then on again.
setting_is() { [ "$(e2e_setting "$ini" "ATUO START")" = "$1" ]; }
e2e_click "$popup" 22 71
e2e_wait 2 setting_is 0 || e2e_fail "Setting.ini holds ATUO START=$(e2e_setting "$ini" "ATUO START") after the first autostart click"
e2e_expect "autostart value after the first autostart click" "" "$(e2e_run_value)"
rest_cursor
take_popup_shot || e2e_die "no screenshot of the popup"
expect_button "autostart button switched off" Start.png 5 52
e2e_click "$popup" 22 71
e2e_wait 2 setting_is 1 || e2e_fail "Setting.ini holds ATUO START=$(e2e_setting "$ini" "ATUO START") after the second autostart click"
e2e_expect "autostart value after the second autostart click" "$run_value" "$(e2e_run_value)"
rest_cursor
take_popup_shot || e2e_die "no screenshot of the popup"
expect_button "autostart button switched on" Start_P.png 5 52

# Enter and Escape, with the keyboard focus on the popup.
timeout 10 xdotool windowfocus --sync "$popup" || e2e_fail "could not focus the popup"
e2e_expect "window with the keyboard focus" "$popup" "$(xdotool getwindowfocus)"
xdotool key Return sleep 0.3 key Escape sleep 0.3 key KP_Enter sleep 1
popup_shown || e2e_die "Enter or Escape closed the popup"
e2e_log "ok: the popup stays after Enter and Escape"

# The cursor below the popup, over the main window: it closes.
read -r popup_x popup_y _ < <(e2e_geometry "$popup" | tr ',' ' ')
xdotool mousemove $((popup_x + 41)) $((popup_y + 101 + 40))
left_ms=$(e2e_now_ms)
if e2e_wait 5 popup_gone; then
  closed_ms=$(($(e2e_now_ms) - left_ms))
  if [ "$closed_ms" -le 1500 ]; then
    e2e_log "ok: the popup closed $closed_ms ms after the cursor left it"
  else
    e2e_fail "the popup closed only $closed_ms ms after the cursor left it"
  fi
else
  e2e_fail "the popup stayed open with the cursor away from it"
fi
e2e_running "$program_pid" || e2e_die "the program ended with the popup"
e2e_expect "window after the popup closed" "$window_x,$window_y 1049x600" "$(e2e_geometry "$window")"
take_shot && cp "$shot" "$work/monitor-fahrenheit.png"
e2e_end
