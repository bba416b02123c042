# Helpers of the mask tests (sourced after lib.sh): a corridor level of the
# test's own with one mask on a patrol line, the game started on it, and
# starved frames (the game process stopped again and again).

source "$(dirname "${BASH_SOURCE[0]}")/play.sh"
# start.omx, intro.omx (run by "New game") and reset.omx (run by a death).
SCRIPTS_BEFORE_DEATH=2

reset_ran() { [ "$(scripts_started)" -gt "$SCRIPTS_BEFORE_DEATH" ]; }

# A corridor along map row 100 from x 98 to 121, walled all round; the hero
# on x $1, looking east; a mask on the east node of the line between the map
# x $2 and $3; closed bars on x $4 when given.
build_level() {
  without_level
  convert -size 500x500 xc:black -fill "rgb(255,255,255)" -draw "rectangle 97,99 122,101" \
    -fill "rgb(0,0,255)" -draw "rectangle 98,100 121,100" PNG24:"$WORK/gamedata/map.png"
  rm "$WORK/gamedata/nodes.txt" # a link into the game tree
  printf '[points]\n1, %s, 100\n2, %s, 100\n[connections]\n1, 2\n' "$2" "$3" > "$WORK/gamedata/nodes.txt"
  {
    echo "registerRespawnPoint(($1, 100), 15);"
    echo "placeCharacter(0, ($1, 100));"
    echo "create(\"ENEMY_1\", ($3, 100), 1, 201);"
    if [ $# -gt 3 ]; then echo "setBars(($4, 100), 4, 3);"; fi
  } > "$WORK/gamedata/scripts/start.omx"
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
  menu_gone() { ! menu_shown; }
  wait_until 60 menu_gone || fail "the title menu stayed after New game"
}

end_game() {
  close_window
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
  cd /; rm -rf "$WORK"
}

# Stops the game for 100 to 300 ms at a time, with runs of 50 to 250 ms
# between, for $1 seconds, or until the command "$2..." succeeds. Each stop
# is one frame of that length (or longer) for the game. Prints the numbers.
starve_game() {
  local seconds="$1" start stopped stops=0 shortest=1000 longest=0 total=0 ms
  shift
  start="$(now_ms)"
  while [ $(( $(now_ms) - start )) -lt $((seconds * 1000)) ]; do
    if [ $# -gt 0 ] && "$@"; then break; fi
    ms=$(( 100 + RANDOM % 201 ))
    stopped="$(now_ms)"
    kill -STOP "$GAME_PID" || fail "the game ended while starved"
    sleep "$(printf '0.%03d' "$ms")"
    kill -CONT "$GAME_PID"
    ms=$(( $(now_ms) - stopped ))
    stops=$((stops + 1)); total=$((total + ms))
    [ "$ms" -lt "$shortest" ] && shortest="$ms"
    [ "$ms" -gt "$longest" ] && longest="$ms"
    sleep "$(printf '0.%03d' $(( 50 + RANDOM % 201 )))"
  done
  echo "starved: $stops stops of $shortest to $longest ms (mean $((total / (stops > 0 ? stops : 1))) ms) in $(( ($(now_ms) - start) / 1000 )) s"
}
