#!/usr/bin/env bash
# The whole start-up of the real binary: the splash, the title menu, "New game",
# and the hero walking a corridor of the test's own by the keys and back.
source "$(dirname "$0")/lib.sh"

make_work_tree "$(test_ini 800 600)"
without_level
# A corridor along x on map row 100 (world z 4000); the hero at its west end
# looks east; a trigger waits 60 units east of him.
{
  for x in $(seq 98 112); do echo "setFloor(($x, 100), 1);"; done
  echo 'placeCharacter(0, (100, 100));'
  echo 'createScriptTrigger(1, "gamedata/scripts/east.omx", 1);'
  echo 'addTriggerCondition(1, "IN_AREA", (1060, 1000), 25);'
} > "$WORK/gamedata/scripts/start.omx"
cat > "$WORK/gamedata/scripts/east.omx" <<'SCRIPT'
addNotice("The east end", 4000);
createScriptTrigger(2, "gamedata/scripts/west.omx", 1);
addTriggerCondition(2, "IN_AREA", (1000, 1000), 25);
SCRIPT
echo 'addNotice("Back at the west end", 4000);' > "$WORK/gamedata/scripts/west.omx"

scripts_started() { grep -c "insert new skript!" "$WORK/stdout.txt" || true; }
# Pixels of the area WxH+X+Y of the probe screenshot brighter than $2 percent grey.
probe_pixels_above() {
  convert "$ARTIFACTS/probe.png" -crop "$1" +repage -colorspace Gray -threshold "$2%" \
    -format "%[fx:round(mean*w*h)]" info:
}
# The logos appear in the middle; the menu's selected first entry is drawn white.
logo_shown() { screenshot probe; [ "$(probe_pixels_above 500x240+150+180 15)" -gt 500 ]; }
menu_shown() { screenshot probe; [ "$(probe_pixels_above 110x30+40+300 90)" -gt 20 ]; }
walk() { # key, seconds
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

start_game
wait_for_window Belgarune
start_ran() { [ "$(scripts_started)" -ge 1 ]; }
wait_until 30 start_ran || fail "start.omx did not run"
wait_until 30 logo_shown || fail "no splash logo"
cp "$ARTIFACTS/probe.png" "$ARTIFACTS/walk-e2e-splash.png"
wait_until 60 menu_shown || fail "the title menu never came"
cp "$ARTIFACTS/probe.png" "$ARTIFACTS/walk-e2e-menu.png"

xdotool key Down Return # "New game"
sleep 2
screenshot walk-e2e-start
before="$(scripts_started)"

walk w 6
east_reached() { [ "$(scripts_started)" -gt "$before" ]; }
wait_until 10 east_reached || fail "walking east never reached the trigger 60 units away"
screenshot walk-e2e-east
echo "east end reached: $(scripts_started) scripts started"

walk s 6
west_reached() { [ "$(scripts_started)" -gt $((before + 1)) ]; }
wait_until 10 west_reached || fail "walking back never reached the west end"
screenshot walk-e2e-west

# What the hero sees changed on the way east and came back with him.
changed="$(compare -metric AE -fuzz 10% "$ARTIFACTS/walk-e2e-start.png" "$ARTIFACTS/walk-e2e-east.png" null: 2>&1 || true)"
echo "pixels changed on the way east: $changed"
[ "${changed%% *}" -gt 1000 ] || fail "the view did not change on the way east"

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "PASS"
