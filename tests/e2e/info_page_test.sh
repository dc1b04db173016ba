#!/usr/bin/env bash
# The information page, reached through the main window's navigation:
#   the information button hides the monitor page and shows the information page (its background
#   picture, drawn one to one in the content area), and the pressed look moves from the monitor
#   button to the information button; the monitor button brings the monitor page back;
#   the page lists the stand-in's machine in eight rows, each a white caption right-aligned before
#   the row's mark and a white value left-aligned after it, none of them empty.
# Pixels cannot say which words a row shows: the screenshot of the window, kept in the work folder
# as info-page.png, is the picture to look at for that.
#
# usage: info_page_test.sh DIST_DIR STANDIN_DLL DISPLAY_EMULATOR WORK_DIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$4" "$1" "$2"
buttons=$dist/Resources
skin=$e2e_source_dir/res/skin
main_background=$skin/main_background.png

app=$work/app
e2e_install "$app"
e2e_settings "$app/Setting.ini" "ATUO START=0"

e2e_start "$app"
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon appeared"
e2e_second_start "$app"
window=$(e2e_main_window) || e2e_die "the window did not show"
page_x=238 page_y=96 # the pages in the main window
shot=$work/info-page.png

# Navigation buttons 176 x 64: monitor at (35, 95), information at (35, 185). A spot of the
# navigation column away from both keeps their hover looks out of the pictures.
rest_cursor() { xdotool mousemove --window "$window" 120 420 sleep 0.5; }
take_shot() { timeout 30 import -window "$window" "$shot"; }
check_buttons() { # PAGE: the chosen page's button pressed, the other one not
  local monitor=HD_Mon.png info=HD_Info.png
  [ "$1" = monitor ] && monitor=HD_Mon_P.png || info=HD_Info_P.png
  e2e_expect_picture "monitor button with the $1 page shown" "$shot" 35 95 "$buttons/$monitor" "$main_background" 35 95
  e2e_expect_picture "information button with the $1 page shown" "$shot" 35 185 "$buttons/$info" "$main_background" 35 185
}
# The information page's strip right of the values (the row ends and their icons) holds no text;
# on the monitor page the GPU panel is there.
strip=$work/info-strip.png
convert "$skin/info_background.png" -crop 130x419+585+0 +repage "$strip"
info_strip_distance() { e2e_picture_distance "$shot" $((page_x + 585)) "$page_y" "$strip" "$main_background" $((page_x + 585)) "$page_y"; }

monitor_pressed() { take_shot && [ "$(e2e_picture_distance "$shot" 35 95 "$buttons/HD_Mon_P.png" "$main_background" 35 95)" -le 3 ]; }
info_shown() { take_shot && [ "$(info_strip_distance)" -le 3 ]; }
info_gone() { take_shot && [ "$(info_strip_distance)" -ge 8 ]; }

rest_cursor
e2e_wait 10 monitor_pressed || e2e_fail "the monitor button does not look pressed at first"
check_buttons monitor
info_gone || e2e_fail "the information page shows before its button was clicked (distance $(info_strip_distance))"

e2e_click "$window" 60 210
rest_cursor
if e2e_wait 10 info_shown; then
  e2e_log "ok: the information page is shown"
else
  e2e_fail "the content area does not show the information page's picture (distance $(info_strip_distance))"
fi
sleep 0.5 # every row painted
take_shot || e2e_die "no screenshot"
e2e_log "screenshot: $shot"
check_buttons information

# Rows at tops 30 + 50 k, 25 high: caption in (25, 130 wide), right-aligned; value in (170, 400 wide),
# left-aligned. The text must be there and start (or end) within a few pixels of its side.
captions=(CPU Mainboard RAM "Disk Drive" "Graphics Card" "Sound Card" "Network Card" "System Version")
for row in "${!captions[@]}"; do
  name=${captions[$row]} top=$((page_y + 30 + 50 * row))
  box=($(e2e_text_box "$shot" $((page_x + 25)) "$top" 130 25)) # left top right bottom
  if [ "${#box[@]}" -eq 0 ]; then
    e2e_fail "row $name: no caption"
  elif [ "${box[2]}" -lt 120 ] || [ "${box[3]}" -lt 12 ]; then
    e2e_fail "row $name: the caption's text ends at ${box[2]} of 130, its bottom at ${box[3]} of 25"
  else
    e2e_log "ok: row $name: caption text from ${box[0]} to ${box[2]} of 130"
  fi
  box=($(e2e_text_box "$shot" $((page_x + 170)) "$top" 400 25))
  if [ "${#box[@]}" -eq 0 ]; then
    e2e_fail "row $name: no value"
  elif [ "${box[0]}" -gt 8 ] || [ "${box[3]}" -lt 12 ]; then
    e2e_fail "row $name: the value's text starts at ${box[0]} of 400, its bottom at ${box[3]} of 25"
  else
    e2e_log "ok: row $name: value text from ${box[0]} to ${box[2]} of 400"
  fi
done

# Back to the monitor page.
e2e_click "$window" 60 120
rest_cursor
shot=$work/monitor-again.png
if e2e_wait 10 info_gone; then
  e2e_log "ok: the information page is gone"
else
  e2e_fail "the information page stays over the monitor page (distance $(info_strip_distance))"
fi
check_buttons monitor
e2e_end
