#!/usr/bin/env bash
# Keys typed into the console stay in the console: with it closed the D key
# turns the hero; with it open, letters and a script line leave his view as it was.
source "$(dirname "$0")/lib.sh"

if ! grep -qa "DungeonGameLogic" "$GAME_TREE/belgarune"; then
  echo "SKIP: the game does not run the dungeon logic yet"
  exit 77
fi

make_work_tree "$(test_ini 800 600)"
without_level
# A corridor along x; the hero at its west end looks east.
{
  for x in $(seq 98 112); do echo "setFloor(($x, 100), 1);"; done
  echo 'placeCharacter(0, (100, 100));'
} > "$WORK/gamedata/scripts/start.omx"

menu_shown() {
  screenshot probe
  [ "$(convert "$ARTIFACTS/probe.png" -crop 110x30+40+300 +repage -colorspace Gray -threshold 90% \
    -format "%[fx:round(mean*w*h)]" info:)" -gt 20 ]
}
# Pixels of the floor in the lower part of the view (below the drifting mist and
# the opening credits) that differ by more than a tenth between the screenshots $1 and $2.
FLOOR_AREA="800x180+0+420"
changed_pixels() {
  local count shot
  for shot in "$1" "$2"; do convert "$ARTIFACTS/$shot.png" -crop "$FLOOR_AREA" +repage "$WORK/$shot-floor.png"; done
  count="$(compare -metric AE -fuzz 10% "$WORK/$1-floor.png" "$WORK/$2-floor.png" null: 2>&1 || true)"
  echo "${count%% *}"
}

start_game
wait_for_window Belgarune
wait_until 60 menu_shown || fail "the title menu never came"
xdotool windowfocus --sync "$WINDOW"
xdotool key Down Return # "New game"
sleep 2

# Still, the view stays as it is; the D key turns it.
screenshot keys-e2e-still-1
sleep 1
screenshot keys-e2e-still-2
still="$(changed_pixels keys-e2e-still-1 keys-e2e-still-2)"
xdotool type --delay 40 "dddddddddddddddddddd"
sleep 1
screenshot keys-e2e-turned
turned="$(changed_pixels keys-e2e-still-2 keys-e2e-turned)"
echo "pixels changed: $still standing still, $turned after D with the console closed"
[ "$turned" -gt $((still + 1000)) ] || fail "the D key did not turn the hero ($turned pixels changed)"

# The same letters, and a script line, typed into the console.
open_console
xdotool type --delay 40 "dddddddddddddddddddd wwwwwwwwww qqqqq"
xdotool key Return
type_line 'addNotice("typed into the console", 300);'
close_console
sleep 2
screenshot keys-e2e-after-console
typed="$(changed_pixels keys-e2e-turned keys-e2e-after-console)"
echo "pixels changed by typing into the console: $typed"
[ "$typed" -le $((still + 100)) ] || fail "typing into the console moved the hero's view ($typed pixels changed)"

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "PASS"
