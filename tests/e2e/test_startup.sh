#!/usr/bin/env bash
# Start-up and shutdown of the real binary under a virtual X server.
source "$(dirname "$0")/lib.sh"

# Without game.ini the game reports it and exits with -1.
make_work_tree
set +e; ./belgarune >stdout.txt 2>stderr.txt; status=$?; set -e
[ "$status" -eq 255 ] || fail "without game.ini the exit status was $status"
grep -q "Could not load INI file game.ini!" stderr.txt || fail "no INI message: $(cat stderr.txt)"
[ -z "$(ls logs)" ] || fail "a log file was written without game.ini"
cd /; rm -rf "$WORK"

# With game.ini: window, log file, clean exit on close.
make_work_tree "$(test_ini 800 600)"
begin=$(date +%s%N)
start_game
wait_for_window Belgarune
echo "window after $(( ($(date +%s%N) - begin) / 1000000 )) ms"
sleep 1
screenshot startup
[ "$(xdotool getwindowname "$WINDOW")" = "Belgarune" ] || fail "caption"
geometry="$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)"
echo "$geometry" | grep -q "800x600" || fail "window size: $geometry"
close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after closing: $(cat stderr.txt)"

log="$(the_log)"
basename "$log" | grep -Eq '^[0-9]{4}-[A-Z][a-z]{2}-[0-9]{2}_[0-9]{2}_[0-9]{2}_[0-9]{2}\.txt$' || fail "log name $log"
grep -q -- "--- Logging Belgarune version 0.100000 ---" "$log" || fail "banner missing"
grep -q "<system> Linux" "$log" || fail "system line missing"
grep -q "<system> SystemMemory: " "$log" || fail "memory line missing"
# Mesa's CPU renderer under the virtual X server: the game itself leaves anisotropic filtering off.
[ "$(grep -c "<console> Software renderer llvmpipe.*: level materials without anisotropic filtering" "$log")" -eq 1 ] ||
  fail "the software renderer was not logged once"
echo "log:"; cat "$log"
cd /; rm -rf "$WORK"

# resx=-1 and resy=-1: a window of the desktop's size, here the virtual screen's.
desktop="$(xdpyinfo | awk '/dimensions:/ {print $2}')"
make_work_tree "$(test_ini -1 -1)"
start_game
wait_for_window Belgarune
geometry="$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)"
echo "desktop $desktop, $geometry"
echo "$geometry" | grep -q "Geometry: $desktop\$" || fail "a desktop-sized window on a $desktop screen: $geometry"
close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after closing: $(cat stderr.txt)"
if grep -q "No desktop size could be read" stderr.txt "$(the_log)"; then fail "the desktop size was not read"; fi
echo "PASS"
