#!/usr/bin/env bash
# A mask of the test's own level patrols its line in the real binary: one that
# walks towards the hero spots him, hunts him down and kills him, which starts
# reset.omx; one whose line stays beyond its sight leaves him alone. The hero
# stands still and looks east along the corridor; no console line is used.
source "$(dirname "$0")/lib.sh"

# No sound device is needed; the game runs on silently without one.
export ALSOFT_DRIVERS=null
HERO_X=106
# start.omx, intro.omx (run by "New game") and reset.omx (run by a death).
SCRIPTS_BEFORE_DEATH=2

scripts_started() { grep -c "insert new skript!" "$WORK/stdout.txt" || true; }
menu_shown() { screenshot probe; convert "$ARTIFACTS/probe.png" -crop 110x30+40+300 +repage -colorspace Gray \
  -threshold 90% -format "%[fx:round(mean*w*h)]" info: | awk '{ exit !($1 > 20) }'; }

# A corridor along map row 100 from x 98 to 121, walled all round; the hero on
# x $HERO_X; a mask on the east node of the line between the map x $1 and $2.
build_level() {
  without_level
  convert -size 500x500 xc:black -fill "rgb(255,255,255)" -draw "rectangle 97,99 122,101" \
    -fill "rgb(0,0,255)" -draw "rectangle 98,100 121,100" PNG24:"$WORK/gamedata/map.png"
  rm "$WORK/gamedata/nodes.txt" # a link into the game tree
  printf '[points]\n1, %s, 100\n2, %s, 100\n[connections]\n1, 2\n' "$1" "$2" > "$WORK/gamedata/nodes.txt"
  cat > "$WORK/gamedata/scripts/start.omx" <<SCRIPT
registerRespawnPoint(($HERO_X, 100), 15);
placeCharacter(0, ($HERO_X, 100));
create("ENEMY_1", ($2, 100), 1, 201);
SCRIPT
  printf 'setState("GAME");\nsetGameState("GAMEPLAY");\naddNotice("Stand still", 2000);\n' \
    > "$WORK/gamedata/scripts/intro.omx"
  echo 'addNotice("Caught", 2000);' > "$WORK/gamedata/scripts/reset.omx"
}

# Starts the game on the level and chooses "New game".
new_game() {
  start_game
  wait_for_window Belgarune
  wait_until 60 menu_shown || fail "the title menu never came"
  xdotool key Down Return
  intro_ran() { [ "$(scripts_started)" -ge "$SCRIPTS_BEFORE_DEATH" ]; }
  wait_until 20 intro_ran || fail "intro.omx never started"
}

end_game() {
  close_window
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
  cd /; rm -rf "$WORK"
}

# Seen: the line runs from 6 cells east of the hero through his cell to the
# west end, so the mask walks straight at him.
make_work_tree "$(test_ini 800 600)"
build_level 100 112
new_game
sleep 0.5
screenshot mask-hunt-coming
reset_ran() { [ "$(scripts_started)" -gt "$SCRIPTS_BEFORE_DEATH" ]; }
# Long frames on a slow machine may let the hunting mask step past him a few times.
wait_until 60 reset_ran || fail "the mask walking at the hero never killed him"
screenshot mask-hunt-caught
echo "caught: reset.omx started $(( $(scripts_started) - SCRIPTS_BEFORE_DEATH )) time(s)"
end_game

# Out of sight: the line's west end stays 7 cells (70 units) east of the hero,
# beyond the 60 units a mask sees; it paces there and back while he stands.
make_work_tree "$(test_ini 800 600)"
build_level 113 116
new_game
sleep 7
screenshot mask-hunt-near-end
sleep 8
[ "$(scripts_started)" -eq "$SCRIPTS_BEFORE_DEATH" ] || fail "a mask 70 units away killed the hero"
screenshot mask-hunt-alive
end_game
echo "PASS"
