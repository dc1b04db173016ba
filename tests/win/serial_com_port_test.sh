#!/usr/bin/env bash
# The serial transport through the real Win32 port layer (SetupAPI listing, CreateFileW, comm
# set-up, WriteFile/ReadFile) under Wine, against display emulators on pseudo-terminals:
#   COM5  a display that answers: found, probed, kept, and receives every broadcast frame byte for byte;
#   COM16 a display that stays silent: probed, closed and skipped;
#   COM7  listed, but no device behind its name: fails to open and is skipped.
# Discovery runs twice, so the second one must close the kept port and find the same display again.
# Runs in a Wine prefix of its own (it adds registry keys and COM links), copied once from the
# project's prefix; its wineserver, the emulators, the links and the keys go away at the end.
#
# usage: serial_com_port_test.sh RUN_EXE DISPLAY_EMULATOR WORK_DIR
set -euo pipefail
run_exe=$1 emulator=$2 work=$3
cmake_dir=$(cd "$(dirname "$0")/../../cmake" && pwd)

export WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
device_key='HKLM\System\CurrentControlSet\Enum\USB\VID_2E3C&PID_5740'
ports_class='{4D36E978-E325-11CE-BFC1-08002BE10318}'
probe='c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9'

# Broadcast frames: SendFrame's arguments (type,value,kind,gpu,turn), then the bytes the display
# must receive. The values put bytes on the wire that a line discipline would swallow or change:
# XON/XOFF, CR/LF, 0xff, and the tty's control characters.
frames=(
  "0,0,0,0,0      c5 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 01 c7" # blank
  "3,0,0,0,0      c5 03 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 cb" # animation
  "2,1200,4,1,1   c5 12 14 00 00 00 00 00 00 02 04 b0 00 00 00 00 01 a2" # GPU fan 1200 RPM, turn 1
  "2,4371,0,0,0   c5 02 00 11 13 00 00 00 00 02 00 00 00 00 00 00 01 ee" # CPU clock: XON, XOFF
  "2,3338,4,0,0   c5 02 04 00 00 00 00 00 00 02 0d 0a 00 00 00 00 01 e5" # CPU fan: CR, LF
  "2,-1,1,1,2     c5 22 11 00 00 ff ff 00 00 02 00 00 00 00 00 00 01 f9" # GPU temperature -1, turn 2
  "2,796,5,0,0    c5 02 05 00 00 00 00 00 00 02 00 00 03 1c 00 00 01 ee" # CPU power: INTR, QUIT
  "2,32538,6,1,3  c5 32 16 00 00 00 00 00 00 02 00 00 00 00 7f 1a 01 a9" # GPU load: DEL, SUSP
  "2,1045,2,0,0   c5 02 02 00 00 00 00 04 15 02 00 00 00 00 00 00 01 e5" # CPU Fahrenheit: EOF, KILL
)

mkdir -p "$work"
log=$work/wine.log
pids=()

cleanup() {
  set +e
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -f "$WINEPREFIX"/dosdevices/{com5,com16,com7}
  if [ -f "$WINEPREFIX/system.reg" ]; then
    timeout 20 wine reg delete "$device_key" /f </dev/null >>"$log" 2>&1
    timeout 20 wineserver -k </dev/null >>"$log" 2>&1
  fi
}
trap cleanup EXIT

# The prefix: a copy of the project's, made once (under a temporary name, so a half copy is never used).
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  template=$cmake_dir/../build/wine/prefix
  "$cmake_dir/wine-prefix" "$template"
  rm -rf "$WINEPREFIX" "$WINEPREFIX.copy"
  cp -a "$template" "$WINEPREFIX.copy"
  mv "$WINEPREFIX.copy" "$WINEPREFIX"
fi
"$cmake_dir/wine-prefix" "$WINEPREFIX" # its own persistent wineserver, ended by cleanup
: >"$log"

# The three ports, as the Ports-class devices Wine's SetupAPI lists, in this order.
reg_file=$work/ports.reg # not named after a port: com5.reg would be a DOS device
cat >"$reg_file" <<EOF
REGEDIT4

[${device_key/HKLM/HKEY_LOCAL_MACHINE}\\1]
"ClassGUID"="$ports_class"
"FriendlyName"="USB Serial Device (COM5)"

[${device_key/HKLM/HKEY_LOCAL_MACHINE}\\2]
"ClassGUID"="$ports_class"
"FriendlyName"="Communications Port (COM16)"

[${device_key/HKLM/HKEY_LOCAL_MACHINE}\\3]
"ClassGUID"="$ports_class"
"FriendlyName"="COM7"
EOF
timeout 20 wine reg delete "$device_key" /f </dev/null >>"$log" 2>&1 || true # left by a killed run
timeout 20 wine reg import "Z:${reg_file//\//\\}" </dev/null >>"$log" 2>&1
rm -f "$WINEPREFIX"/dosdevices/{com5,com16,com7}

# One emulator per display; each links its pseudo-terminal as the COM port's device. The timeout
# ends an emulator even if this script is killed before its cleanup runs.
start_display() { # NAME COM-LINK [emulator options]
  local name=$1 link=$WINEPREFIX/dosdevices/$2
  shift 2
  timeout 60 "$emulator" --link "$link" "$@" </dev/null >"$work/$name.jsonl" 2>"$work/$name.log" &
  pids+=($!)
  for _ in $(seq 100); do
    grep -q '"event":"ready"' "$work/$name.jsonl" && [ -L "$link" ] && return 0
    sleep 0.05
  done
  echo "display emulator $name did not start:" >&2
  cat "$work/$name.log" >&2
  exit 1
}
start_display answering com5
start_display silent com16 --no-answer

frame_args=()
for row in "${frames[@]}"; do
  read -r args _ <<<"$row"
  frame_args+=("$args")
done
run_status=0
timeout 30 wine "$run_exe" "${frame_args[@]}" </dev/null >"$work/run.out" 2>"$work/run.err" || run_status=$?

# What the transport must have done, call by call.
discovery() {
  cat <<EOF
list ok
open COM5 ok
write COM5 18 ok
pause 100
read COM5 ok 5c
open COM16 ok
write COM16 18 ok
pause 100
read COM16 ok 00
close COM16
open COM7 failed
discovery 1
listed COM5 COM16 COM7
kept COM5
EOF
}
{
  discovery
  echo "close COM5"
  discovery
  for _ in "${frames[@]}"; do echo "write COM5 18 ok"; done
  echo "close COM5"
} >"$work/run.expected"
{
  echo "$probe answered=true"
  echo "$probe answered=true"
  for row in "${frames[@]}"; do
    read -r _ bytes <<<"$row"
    echo "$bytes"
  done
} >"$work/answering.expected"
printf '%s answered=false\n' "$probe" "$probe" >"$work/silent.expected"

# Frames as the emulator logged them: the bytes, and for a probe whether it was answered.
received_frames() {
  local line
  while IFS= read -r line; do
    [[ $line =~ \"hex\":\"([0-9a-f ]*)\" ]] || continue
    local hex=${BASH_REMATCH[1]}
    if [[ $line =~ \"answered\":(true|false) ]]; then
      echo "$hex answered=${BASH_REMATCH[1]}"
    else
      echo "$hex"
    fi
  done <"$work/$1.jsonl"
}

# The program has ended, so every byte is on its way; give the emulators a moment to log them all.
for name in answering silent; do
  want=$(wc -l <"$work/$name.expected")
  for _ in $(seq 100); do
    [ "$(grep -c '"hex"' "$work/$name.jsonl" || true)" -ge "$want" ] && break
    sleep 0.05
  done
done
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
pids=()

failed=0
check() { # WHAT EXPECTED-FILE ACTUAL-FILE
  if ! diff -u --label "expected" --label "actual" "$2" "$3" >"$3.diff"; then
    echo "FAILED: $1" >&2
    cat "$3.diff" >&2
    failed=1
  fi
}
if [ "$run_status" -ne 0 ]; then
  echo "FAILED: the Windows program exited with $run_status" >&2
  cat "$work/run.err" >&2
  failed=1
fi
tr -d '\r' <"$work/run.out" >"$work/run.actual"
check "port-layer calls of two discoveries and the broadcasts" "$work/run.expected" "$work/run.actual"
received_frames answering >"$work/answering.actual"
check "frames received by the answering display on COM5" "$work/answering.expected" "$work/answering.actual"
received_frames silent >"$work/silent.actual"
check "frames received by the silent display on COM16" "$work/silent.expected" "$work/silent.actual"
[ "$failed" -eq 0 ] && echo "serial COM ports under Wine: all checks passed"
exit "$failed"
