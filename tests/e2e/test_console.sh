#!/usr/bin/env bash
# The console under a virtual X server, driven by real key presses: F1 opens
# it, typed engine commands run, F1 closes it again. Checks go through the log
# file and through screen areas only the console draws into (the input line at
# the top, the FPS line at the top right), so they hold whatever logic is active.
source "$(dirname "$0")/lib.sh"

WIDTH=800
HEIGHT=600

# Number of differing pixels of two screenshots below the console's top band.
moving_pixels() {
  local area="${WIDTH}x$((HEIGHT - 40))+0+40" shot
  for shot in "$1" "$2"; do convert "$ARTIFACTS/$shot.png" -crop "$area" +repage "$WORK/$shot-cut.png"; done
  compare -metric AE "$WORK/$1-cut.png" "$WORK/$2-cut.png" null: 2>&1 || true
}

# Two screenshots $1-1 and $1-2 about 0.7 s apart; true when they differ below the top band.
screen_moves() { screenshot "$1-1"; sleep 0.7; screenshot "$1-2"; [ "$(moving_pixels "$1-1" "$1-2")" -gt 0 ]; }
screen_still() { screenshot "$1-1"; sleep 1; screenshot "$1-2"; [ "$(moving_pixels "$1-1" "$1-2")" -eq 0 ]; }

input_lines() { log_count "<input> "; }

make_work_tree "$(test_ini "$WIDTH" "$HEIGHT")"
start_game
wait_for_window Belgarune
sleep 1
xdotool windowfocus --sync "$WINDOW"

FPS_AREA="100x16+$((WIDTH - 110))+8"

# F1 opens the console: its input line appears.
screenshot console-closed
open_console
screenshot console-open

# Help: the input line and the help texts between lines of stars reach the log.
stars="<console> $(printf '*%.0s' $(seq 1 38))"
star_lines="$(log_count "$stars")"
type_line "ombel help"
wait_for_log "$stars" $((star_lines + 2))
screenshot console-help
log="$(the_log)"
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
fps_shown() { screenshot console-fps; [ "$(white_pixels console-fps "$FPS_AREA")" -gt "$before" ]; }
wait_until 60 fps_shown || fail "no FPS line after ombel fps ($before white pixels before)"
type_line "ombel fps"

# Speed 0 stops everything timed: the screen stands still, and moves again at speed 1.
wait_until 60 screen_moves moving || fail "the screen does not move with time"
type_line "ombel speed 0"
wait_until 60 screen_still stopped || fail "the screen still moves after ombel speed 0"
type_line "ombel speed 1"
wait_until 60 screen_moves resumed || fail "the screen does not move again after ombel speed 1"

# F1 closes the console: typed keys go to the logic again, not to the console.
# Keys arrive in order, so once the reopened console has logged its line, a line
# the closed console took would be in the log before it.
typed="$(input_lines)"
close_console
xdotool type --delay 40 "ombel fps"
xdotool key Return
open_console
screenshot console-reopened
type_line "ombel driver"
[ "$(input_lines)" -eq $((typed + 1)) ] || fail "the closed console took a line"
wait_for_log "<console> GLSL:"
grep -q "<console> GLSL: true" "$log" || fail "the OpenGL driver reports no GLSL: $(grep GLSL "$log")"

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "log:"; cat "$log"
echo "PASS"
