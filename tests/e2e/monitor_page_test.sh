#!/usr/bin/env bash
# The monitor page shows the machine's readings: with fixed readings from the sensor library's
# stand-in, a screenshot of the shown window is checked at pixels whose colour follows from the
# readings alone (the picture is kept in the work folder as monitor-page.png):
#   each temperature gauge draws its arc (3.6 degrees per degree Celsius, clockwise from twelve
#   o'clock) over the ring: arc colour inside the sweep, ring colour past it; the unit shown is
#   Fahrenheit, which must not change the sweep;
#   each of the eight bars shows its fill picture, squeezed to the value's share of the bar, and
#   the track beyond it.
#
# usage: monitor_page_test.sh DIST_DIR STANDIN_DLL DISPLAY_EMULATOR WORK_DIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$4" "$1" "$2"
here=$(cd "$(dirname "$0")" && pwd)
skin=$dist/Resources

app=$work/app
e2e_install "$app" "$here/data/fixed-machine.ini"
e2e_settings "$app/Setting.ini" TEMPERATURE=0 "ATUO START=0"

e2e_start "$app"
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon appeared"
e2e_second_start "$app"
window=$(e2e_main_window) || e2e_die "the window did not show"
shot=$work/monitor-page.png
take_shot() { timeout 30 import -window "$window" "$shot"; }
page_x=238 page_y=96 # the page in the main window

# Gauges: 190 x 190 at page (70, 18) and (470, 18); ring and arc share the circle of the square
# (6, 6, 178, 178): centre (95, 95), radius 89. Pen centres are fully covered, so their colours show
# unblended: ring 0xFF454F66 (width 10.5), arc 0xFF57B1E3 (width 10, round caps).
ring="69 79 102" arc="87 177 227"
gauge_point() { # GAUGE_X ANGLE: main-window pixel on the circle, ANGLE degrees clockwise from twelve o'clock
  awk -v gx="$1" -v a="$2" -v px="$page_x" -v py="$page_y" 'BEGIN {
    r = a * atan2(0, -1) / 180
    printf "%d %d\n", px + gx + 95 + 89 * sin(r) + 0.5, py + 18 + 95 - 89 * cos(r) + 0.5 }'
}
check_gauge() { # NAME GAUGE_X SWEEP: arc inside the sweep, ring past it (10 degrees clear of the caps)
  local angle x y
  for angle in 15 $(($3 / 2)) $(($3 - 10)); do
    read -r x y < <(gauge_point "$2" "$angle")
    e2e_expect_colour "$1 gauge arc at $angle degrees" "$shot" "$x" "$y" "$arc" 16
  done
  for angle in $(($3 + 10)) $(((($3 + 360) / 2))) 345; do
    read -r x y < <(gauge_point "$2" "$angle")
    e2e_expect_colour "$1 gauge ring at $angle degrees" "$shot" "$x" "$y" "$ring" 16
  done
}
# The worker's first cycle comes 2 s after the page and sets the gauges last, after the bars: once
# the CPU arc shows, every control has its reading; a moment more lets them all paint.
arc_shown() {
  local x y
  read -r x y < <(gauge_point 70 90)
  take_shot && e2e_near "$(e2e_pixel "$shot" "$x" "$y")" "$arc" 16
}
e2e_wait 30 arc_shown || e2e_fail "the CPU gauge shows no arc within 30 s"
sleep 1.5
take_shot || e2e_die "no screenshot"
e2e_expect "screenshot size" "1049x600" "$(identify -format '%wx%h' "$shot")"
e2e_log "screenshot: $shot"

check_gauge CPU 70 165  # 46.5 -> 46 degrees Celsius -> 165.6
check_gauge GPU 470 219 # 61.4 -> 61 -> 219.6

# Bars: 265 x 10 (Slider.png) at page (25 or 425, 230 + 45 k). The fill length is 265 x value /
# range; the fill picture is squeezed into it, so a point d pixels short of the fill's end shows the
# fill picture's column (pos - d) x 265 / pos. The track is one dark colour.
track=$(e2e_pixel "$skin/Slider.png" 100 5)
check_bar() { # NAME X Y POS
  local name=$1 x=$(($2 + page_x)) y=$(($3 + page_y + 5)) pos=$4
  local inside=$((pos - 6)) beyond=$((pos + 6))
  e2e_expect_colour "$name bar fill" "$shot" $((x + inside)) "$y" \
    "$(e2e_pixel "$skin/Slider_H.png" $((inside * 265 / pos)) 5)" 24
  e2e_expect_colour "$name bar track" "$shot" $((x + beyond)) "$y" "$track" 12
}
check_bar "CPU load" 25 230 151   # 57.9 -> 57 of 100
check_bar "CPU clock" 25 275 190  # 3599.6 -> 3599 of 5000
check_bar "CPU fan" 25 320 65     # the mainboard's 1234.7 -> 1234 of 5000 (not the processor's own fan)
check_bar "CPU power" 25 365 25   # 95.2 -> 95 of 1000
check_bar "GPU load" 425 230 106  # 40 of 100
check_bar "GPU clock" 425 275 95  # 1800 of 5000
check_bar "GPU fan" 425 320 79    # 1500.9 -> 1500 of 5000
check_bar "GPU power" 425 365 39  # 150.7 -> 150 of 1000
e2e_end
