#!/usr/bin/env bash
# The real program as a user meets it: started under wine64 in a Wine virtual
# desktop on the session's Xvfb display, driven with real clicks and keys, read from
# outside by win_test_helper.exe, at two screen sizes.
# Usage: e2e.sh DMASEL_EXE HELPER_EXE SCREENSHOT_DIR, with WINEPREFIX and DISPLAY set.
set -u
. "$(dirname "$0")/../../scripts/wine-session"
program=$1
helper=$2
shots=$3
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
check() {  # what, actual, expected
  if [ "$2" == "$3" ]; then
    echo "ok   $1"
    passed=$((passed + 1))
  else
    echo "FAIL $1: got [$2], expected [$3]"
    failed=$((failed + 1))
  fi
}

probe() { "$WINE64" "$helper" "$1" >"$work/probe.txt" 2>/dev/null && tr -d '\r' <"$work/probe.txt"; }

wait_until() {  # command... ; up to 30 s
  for _ in $(seq 150); do "$@" && return 0; sleep 0.2; done
  return 1
}
main_window_up() { probe main >"$work/main.txt"; }
message_box_up() { probe msgbox >"$work/box.txt"; }
message_box_gone() { ! probe msgbox >/dev/null; }

# The profile file under whatever case its name has on disk.
profile_path() {
  local found
  found=$(find "$WINEPREFIX/drive_c/windows" -maxdepth 1 -iname system.ini | head -n 1)
  echo "${found:-$WINEPREFIX/drive_c/windows/system.ini}"
}

section_entries() {
  tr -d '\r' <"$(profile_path)" | awk '/^\[/ { inside = ($0 == "[386Enh]"); next } inside && NF' | paste -sd '|'
}

control() {  # id -> "x y" of the control's centre on the screen
  awk -v id="$1" '$1 == "control" && $2 == id { printf "%d %d", $3 + $5 / 2, $4 + $6 / 2 }' "$work/main.txt"
}

click() {
  # shellcheck disable=SC2046
  xdotool mousemove $1 $2 click 1
  sleep 0.3
}

press() {
  xdotool search --name 'Wine desktop' windowfocus 2>/dev/null
  xdotool key "$1"
}

expect_message_box() {  # caption, text
  if ! wait_until message_box_up; then
    check "a message box appears" "none" "$1 / $2"
    return
  fi
  check "message box caption" "$(awk '$1 == "caption" { sub(/^caption /, ""); print }' "$work/box.txt")" "$1"
  check "message box text" "$(awk '$1 == "text" { sub(/^text /, ""); print }' "$work/box.txt")" "$2"
  check "message box owned by the main window" "$(awk '$1 == "owned" { print $2 }' "$work/box.txt")" "1"
  press Return
  wait_until message_box_gone
  check "Return dismisses the message box" "$?" "0"
}

run_at() {  # WIDTHxHEIGHT expected_x expected_y how_to_leave
  local size=$1 x=$2 y=$3 leave=$4
  echo "== screen $size"
  use_virtual_desktop "$size"
  local profile
  profile=$(profile_path)
  printf '[386Enh]\r\ndevice=*vpicd\r\nDEVICE=RUZORER3.386\r\n[boot]\r\nshell=Explorer.exe\r\n' >"$profile"

  ("$WINE64" "$program" >"$work/program.log" 2>&1; echo $? >"$work/status") &
  if ! wait_until main_window_up; then
    check "the main window appears" "no" "yes"
    return
  fi
  check "window place and size" "$(awk '$1 == "window" { print $2, $3, $4, $5 }' "$work/main.txt")" "$x $y 300 325"
  check "window visible" "$(awk '$1 == "visible" { print $2 }' "$work/main.txt")" "1"
  check "twelve controls" "$(grep -c '^control' "$work/main.txt")" "12"

  click $(control 201)  # DMA_CH3, present already in capitals
  click $(control 204)  # DMA_CH7
  import -window root -crop "${size}+0+0" "$shots/dmasel-desktop-$size.png"
  import -window root -crop "300x325+$x+$y" "$shots/dmasel-window-$size.png"
  click $(control 300)
  expect_message_box "DMA Channel Selectiom" "DMA Selection Successfully"
  check "section after USE" "$(section_entries)" "device=*vpicd|DEVICE=RUZORER3.386|device=ruzorer7.386"
  check "other sections kept" "$(grep -c 'shell=Explorer.exe' "$profile")" "1"

  local written
  written=$(md5sum <"$profile")
  click $(control 300)
  expect_message_box "DMA Channel Selection" "Used"
  check "nothing to add leaves the file alone" "$(md5sum <"$profile")" "$written"

  case $leave in
    menu) press alt+x ;;
    closebox)  # the close box sits at the right end of the caption bar
      click $((x + 300 - 12)) $((y + 12)) ;;
  esac
  wait_until test -s "$work/status"
  check "leaving by $leave ends the program with status 0" "$(cat "$work/status" 2>/dev/null)" "0"
  rm -f "$work/status"
}

run_at 640x480 170 -10 menu
run_at 1024x768 362 134 closebox

# Back to an ordinary desktop for whatever runs next in this prefix.
leave_virtual_desktop

echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
