#!/usr/bin/env bash
# The main window and the tray, driven like a user would through the X display:
#   a second start ends at once and brings the running copy's window up, centred, 1049 x 600;
#   a drag in the top band of 36 pixels moves the window, a drag lower down does not;
#   the Minimize button hides it to the tray; a single click or a right-click on the icon does
#   nothing, a double-click shows the window centred again (not where it was dragged) and removes
#   the icon; Enter and Escape do nothing;
#   the Close button ends the process, and the next start runs as the first copy again;
#   a close request from the keyboard (Alt+F4) ends it too.
#
# usage: window_test.sh DIST_DIR STANDIN_DLL DISPLAY_EMULATOR WORK_DIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$4" "$1" "$2"

app=$work/app
e2e_install "$app"
centred="115,212 1049x600" # (1280 - 1049) / 2, (1024 - 600) / 2

e2e_start "$app"
first=$program_pid
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon appeared"
e2e_window_hidden || e2e_fail "a window is shown before anything asked for it"

# A second start: ends by itself with exit code 0, and the first copy shows its window.
e2e_second_start "$app"
e2e_expect "exit code of a second start" 0 "$second_status"
[ "$second_ms" -lt 5000 ] || e2e_fail "a second start took $second_ms ms to end"
window=$(e2e_main_window) || e2e_die "a second start did not show the running copy's window"
e2e_expect "window after a second start" "$centred" "$(e2e_geometry "$window")"
e2e_expect "windows shown" 1 "$(e2e_shown_windows | wc -l)"
e2e_tray_shown || e2e_fail "the tray icon went away on a second start"
e2e_running "$first" || e2e_die "the first copy ended on a second start"

# Dragging: only the top band moves the window.
e2e_drag "$window" 500 15 80 60
e2e_expect "window after a drag in the top band" "195,272 1049x600" "$(e2e_geometry "$window")"
e2e_drag "$window" 600 560 80 60
e2e_expect "window after a drag lower down" "195,272 1049x600" "$(e2e_geometry "$window")"

# Minimize: hidden, in the tray.
e2e_click "$window" 988 33
e2e_wait 10 e2e_window_hidden || e2e_fail "the Minimize button did not hide the window"
e2e_tray_shown || e2e_fail "no tray icon after Minimize"

# A single click and a right-click on the icon do nothing.
e2e_tray_click 1 && sleep 0.6 && e2e_tray_click 3 || e2e_die "no tray icon to click"
sleep 1
e2e_window_hidden || e2e_fail "a single click or a right-click on the tray icon showed the window"
e2e_tray_shown || e2e_fail "a single click or a right-click on the tray icon removed it"

# A tray double-click: back in the centre, icon gone.
e2e_tray_double_click || e2e_die "no tray icon to double-click"
window=$(e2e_main_window) || e2e_die "a tray double-click did not show the window"
e2e_expect "window after a tray double-click" "$centred" "$(e2e_geometry "$window")"
e2e_wait 10 e2e_tray_gone || e2e_fail "the tray icon stayed after a tray double-click"

# Minimize again puts the icon back, and the icon works again.
e2e_click "$window" 988 33
e2e_wait 10 e2e_window_hidden || e2e_fail "the Minimize button did not hide the window again"
e2e_wait 10 e2e_tray_shown || e2e_fail "no tray icon after the second Minimize"
e2e_tray_double_click || e2e_die "no tray icon to double-click"
window=$(e2e_main_window) || e2e_die "the second tray double-click did not show the window"

# Enter and Escape, with the keyboard focus on the window: nothing happens.
timeout 10 xdotool windowfocus --sync "$window" || e2e_fail "could not focus the window"
xdotool key Return sleep 0.3 key Escape sleep 0.3 key KP_Enter sleep 1
e2e_running "$first" || e2e_die "Enter or Escape ended the program"
e2e_expect "window after Enter and Escape" "$centred" "$(e2e_geometry "$window")"

# Close: the process ends with exit code 0, the icon goes with it.
e2e_click "$window" 1018 33
if e2e_wait_exit "$first" 15; then
  e2e_expect "exit code after Close" 0 "$exit_status"
else
  e2e_die "the Close button did not end the program"
fi
e2e_wait 10 e2e_window_hidden || e2e_fail "a window stayed after Close"

# The next start is a first copy again (the single-instance mutex went with the process).
e2e_start "$app"
again=$program_pid
e2e_wait 20 e2e_tray_shown || e2e_die "no tray icon after starting again"
e2e_second_start "$app"
window=$(e2e_main_window) || e2e_die "the window did not show after starting again"
e2e_running "$again" || e2e_die "the program started again ended"

# Alt+F4 with the focus on the window asks the system to close it: the program ends. (This also
# shows that the keys above did reach the window.)
timeout 10 xdotool windowfocus --sync "$window" || e2e_fail "could not focus the window"
xdotool key alt+F4
e2e_wait_exit "$again" 15 || e2e_fail "Alt+F4 did not end the program"
e2e_end
