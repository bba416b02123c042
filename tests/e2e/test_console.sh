#!/usr/bin/env bash
# The console under a virtual X server, driven by real key presses: F1 opens
# it, typed engine commands run, F1 closes it again. Checks go through the log
# file and through screen areas only the console draws into (the input line at
# the top, the FPS line at the top right), so they hold whatever logic is active.
source "$(dirname "$0")/lib.sh"

WIDTH=800
HEIGHT=600

# Number of pure white pixels in the area WxH+X+Y of a screenshot.
white_pixels() {
  convert "$ARTIFACTS/$1.png" -crop "$2" +repage -fill black +opaque white \
    -format "%[fx:round(mean*w*h)]" info:
}

# Number of differing pixels of two screenshots below the console's top band.
moving_pixels() {
  local area="${WIDTH}x$((HEIGHT - 40))+0+40" shot
  for shot in "$1" "$2"; do convert "$ARTIFACTS/$shot.png" -crop "$area" +repage "$WORK/$shot-cut.png"; done
  compare -metric AE "$WORK/$1-cut.png" "$WORK/$2-cut.png" null: 2>&1 || true
}

type_line() {
  xdotool type --delay 40 "$1"
  xdotool key Return
  sleep 0.5
}

input_lines() { grep -c "<input> " "$(the_log)" || true; }

make_work_tree "$(test_ini "$WIDTH" "$HEIGHT")"
start_game
wait_for_window Belgarune
sleep 1
xdotool windowfocus --sync "$WINDOW"

INPUT_AREA="60x14+60+5"
FPS_AREA="100x16+$((WIDTH - 110))+8"

# F1 opens the console: its input line appears.
screenshot console-closed
xdotool key F1
sleep 0.5
screenshot console-open
[ "$(white_pixels console-open "$INPUT_AREA")" -gt 0 ] || fail "no input line after F1"

# Help: the input line and the help texts between lines of stars reach the log.
type_line "ombel help"
screenshot console-help
log="$(the_log)"
grep -q "<input> ombel help" "$log" || fail "the typed line is not in the log"
stars="<console> $(printf '*%.0s' $(seq 1 38))"
expected="$stars"
for line in 14 15 16 13; do # texts 13, 14, 15 and 12
  expected+=$'\n'"<console> $(sed -n "${line}p" "$GAME_TREE/talvoren/lang/english/defs.tsf")"
done
expected+=$'\n'"$stars"
help="$(grep -A6 "<input> ombel help" "$log" | tail -n 6 | sed 's/^\[[^]]*\] //')"
[ "$help" = "$expected" ] || fail "help in the log: $help"

# FPS: the line appears at the top right.
before="$(white_pixels console-help "$FPS_AREA")"
type_line "ombel fps"
sleep 0.5
screenshot console-fps
after="$(white_pixels console-fps "$FPS_AREA")"
[ "$after" -gt "$before" ] || fail "no FPS line after ombel fps ($before -> $after white pixels)"
type_line "ombel fps"

# Speed 0 stops everything timed: the screen stands still, and moves again at speed 1.
screenshot moving-1; sleep 0.7; screenshot moving-2
[ "$(moving_pixels moving-1 moving-2)" -gt 0 ] || fail "the screen does not move with time"
type_line "ombel speed 0"
screenshot stopped-1; sleep 1; screenshot stopped-2
[ "$(moving_pixels stopped-1 stopped-2)" -eq 0 ] || fail "the screen still moves after ombel speed 0"
type_line "ombel speed 1"
screenshot resumed-1; sleep 0.7; screenshot resumed-2
[ "$(moving_pixels resumed-1 resumed-2)" -gt 0 ] || fail "the screen does not move again after ombel speed 1"

# F1 closes the console: typed keys go to the logic again, not to the console.
typed="$(input_lines)"
xdotool key F1
sleep 0.5
type_line "ombel fps"
[ "$(input_lines)" -eq "$typed" ] || fail "the closed console still took a line"
xdotool key F1
sleep 0.5
screenshot console-reopened
type_line "ombel driver"
[ "$(input_lines)" -eq $((typed + 1)) ] || fail "the reopened console took no line"
grep -q "<console> GLSL: true" "$log" || fail "the OpenGL driver reports no GLSL: $(grep GLSL "$log")"

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "log:"; cat "$log"
echo "PASS"
