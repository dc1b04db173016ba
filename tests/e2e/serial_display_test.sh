#!/usr/bin/env bash
# The serial display, from the device's side: a display emulator on COM5 records every frame the
# running program sends it. The machine (the sensor library's stand-in) has fixed readings and the
# settings file asks for Fahrenheit, rotation speed 2 (a frame every cycle) and orientation 1, so
# the whole stream is known in advance:
#   the probe first (answered), then one frame per cycle, about a second apart, in rotation order
#   (CPU temperature, clock, fan, power, load, animation, then the same for the GPU, and around
#   again), temperatures in the Fahrenheit slot, every reading with command 0x12; each frame also
#   appears on the debugger output as a line of its bytes.
# With a display that never answers the probe, the program keeps running and sends nothing more.
#
# usage: serial_display_test.sh DIST_DIR STANDIN_DLL DISPLAY_EMULATOR WORK_DIR
source "$(dirname "$0")/lib.sh"
e2e_begin "$4" "$1" "$2"
emulator=$3
here=$(cd "$(dirname "$0")" && pwd)
export WINEDEBUG=-all,warn+seh # the debugger output, as warn:seh lines on the program's stderr

app=$work/app
e2e_install "$app" "$here/data/fixed-machine.ini"
e2e_settings "$app/Setting.ini" TEMPERATURE=0 "ATUO START=0" TFT_SPEED=2 TFT_TURN=1

# The stream for the fixed machine: the temperatures are truncated first, then converted
# (46.5 -> 46 -> 114.8 -> 114; 61.4 -> 61 -> 141.8 -> 141), the other readings only truncated.
cat >"$work/answering.expected" <<'FRAMES'
probe answered=true
reading turn=1 cpu TempF 114
reading turn=1 cpu ClockMHz 3599
reading turn=1 cpu FanRpm 1234
reading turn=1 cpu PowerW 95
reading turn=1 cpu LoadPct 57
animation
reading turn=1 gpu TempF 141
reading turn=1 gpu ClockMHz 1800
reading turn=1 gpu FanRpm 1500
reading turn=1 gpu PowerW 150
reading turn=1 gpu LoadPct 40
animation
reading turn=1 cpu TempF 114
reading turn=1 cpu ClockMHz 3599
FRAMES
want=$(wc -l <"$work/answering.expected")

e2e_serial_display answering
e2e_start "$app"
# The worker starts 2 s after the page, then one frame per cycle of about a second.
e2e_wait 60 e2e_frames_at_least "$work/answering.jsonl" "$want" ||
  e2e_fail "the display received $(e2e_frame_count "$work/answering.jsonl") frames, not $want"
e2e_frames "$work/answering.jsonl" | head -n "$want" >"$work/answering.frames"
cut -d' ' -f2- "$work/answering.frames" >"$work/answering.actual"
if diff -u --label expected --label actual "$work/answering.expected" "$work/answering.actual"; then
  e2e_log "ok: the display received the probe and the rotation in order"
else
  e2e_fail "the frames on COM5 differ from the expected rotation"
fi

# Speed 2: a frame every cycle, so about a second apart (speed 1 would be 3 s, speed 0 5 s).
read -r first_ms last_ms count < <(sed -n '2,$p' "$work/answering.frames" | awk 'NR==1{f=$1} {l=$1; n++} END{print f, l, n}')
if [ "${count:-0}" -ge 2 ]; then
  mean_ms=$(((last_ms - first_ms) / (count - 1)))
  if [ "$mean_ms" -ge 700 ] && [ "$mean_ms" -le 1800 ]; then
    e2e_log "ok: one frame every $mean_ms ms on average"
  else
    e2e_fail "frames came every $mean_ms ms on average, not about every 1000 ms"
  fi
fi

# The debugger output: one line per frame, before the frame is written: each byte as two hex digits
# and a blank, then CR LF. (Wine reports each debugger string twice; dispatch_exception once.)
sed -n 's/.*:warn:seh:dispatch_exception "\(\([0-9a-f][0-9a-f] \)\{18\}\)\\r\\n"$/\1/p' "$work/program.log" |
  sed 's/ $//' >"$work/trace.lines"
sed -n 's/.*"hex":"\([0-9a-f ]*\)".*/\1/p' "$work/answering.jsonl" >"$work/received.lines"
received=$(wc -l <"$work/received.lines")
if head -n "$received" "$work/trace.lines" | cmp -s - "$work/received.lines"; then
  e2e_log "ok: the debugger output traces each of the $received frames"
else
  e2e_fail "the debugger output does not match the frames received: $(head -n "$received" "$work/trace.lines" | diff - "$work/received.lines" | head -n 6)"
fi
e2e_running "$program_pid" || e2e_fail "the program ended by itself"

# A display that does not answer: the probe, then silence, and the program goes on.
kill "$program_pid"
e2e_wait_exit "$program_pid" 15 || e2e_die "the program did not end when killed"
e2e_stop_serial_display
e2e_serial_display silent --no-answer
started=$SECONDS
e2e_start "$app"
e2e_wait 30 e2e_frames_at_least "$work/silent.jsonl" 1 || e2e_die "the silent display was never probed"
sleep $((started + 8 - SECONDS)) # the worker runs from 2 s on: at speed 2 that would be 5 frames
e2e_frames "$work/silent.jsonl" | cut -d' ' -f2- >"$work/silent.actual"
e2e_expect "frames on a display that does not answer" "probe answered=false" "$(cat "$work/silent.actual")"
e2e_running "$program_pid" || e2e_fail "the program ended without an answering display"
e2e_end
