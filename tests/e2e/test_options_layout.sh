#!/usr/bin/env bash
# The options page of the real game on its full data, at 16:9 and at 4:3:
# after the rows have slid in, every label and value lies inside the window,
# clear of the others and of the ornament strip.
source "$(dirname "$0")/lib.sh"

if ! grep -qa "DungeonGameLogic" "$GAME_TREE/belgarune"; then
  echo "SKIP: the game does not run the dungeon logic yet"
  exit 77
fi
ROWS_CHECK="$(dirname "$0")/optionsrows.py"

# Pixels of the area WxH+X+Y of the probe screenshot brighter than 90 percent grey.
bright_pixels() {
  convert "$ARTIFACTS/probe.png" -crop "$1" +repage -colorspace Gray -threshold 90% -format "%[fx:round(mean*w*h)]" info:
}

check_options_page() { # width height, Right presses that make the resolution value nine characters long
  local width="$1" height="$2" steps="$3"
  # The first row, selected and so white, in the left panel at half height.
  local first_row="$((width / 10))x$((height / 16))+$((width / 20))+$((height / 2))"
  make_work_tree "$(test_ini "$width" "$height")"
  start_game
  wait_for_window Belgarune
  menu_shown() { screenshot probe; [ "$(bright_pixels "$first_row")" -gt 20 ]; }
  wait_until 60 menu_shown || fail "no title menu at ${width}x${height}"
  xdotool windowfocus --sync "$WINDOW"
  # Options; the resolution stepped on to a size of nine characters, one of the longest values.
  xdotool key Down Down Return
  sleep 1
  xdotool key Down Down Down $(printf 'Right %.0s' $(seq 1 "$steps")) Up Up Up
  sleep 1.5
  screenshot "options-${width}x${height}"
  python3 "$ROWS_CHECK" "$ARTIFACTS/options-${width}x${height}.png" "$GAME_TREE/gamedata/QVStrichMenu.png" ||
    fail "the options page at ${width}x${height} (see options-${width}x${height}.png)"
  close_window
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
  cd /
  rm -rf "$WORK"
}

check_options_page 1280 720 1
check_options_page 1024 768 2
echo "PASS"
