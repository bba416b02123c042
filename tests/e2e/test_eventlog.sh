#!/usr/bin/env bash
# Event recording through the console of the running game: "ombel log on" and
# "ombel log save" write Eventlog.txt as a text archive; loading a damaged
# file is refused with an error in the log and the game goes on.
source "$(dirname "$0")/lib.sh"

make_work_tree "$(test_ini 800 600)"
start_game
wait_for_window Belgarune
sleep 1
xdotool windowfocus --sync "$WINDOW"
open_console

type_line "ombel log on"
type_line "ombel log save"
saved() { [ -f Eventlog.txt ] && [ ! -e Eventlog.txt.tmp ]; }
wait_until 60 saved || fail "no Eventlog.txt after ombel log save: $(cat "$(the_log)")"
head -c 26 Eventlog.txt | grep -q "^22 serialization::archive" || fail "not a text archive: $(head -c 200 Eventlog.txt)"
cp Eventlog.txt "$ARTIFACTS/Eventlog.txt"

# A saved record loads without complaint; a damaged one is refused.
type_line "ombel log load"
type_line "ombel help" # logged only after the load above has finished with the file
printf '22 serialization::archive 18 3 0 4000000000 X' > Eventlog.txt
type_line "ombel log load"
type_line "ombel log off"
log="$(the_log)"
# Lines are handled in order: once "log off" is in the log, both loads have run.
errors="$(log_count "<error> Event log Eventlog.txt could not be loaded")"
[ "$errors" -eq 1 ] || fail "expected one refused load, found $errors: $(cat "$log")"
kill -0 "$GAME_PID" || fail "the game ended after loading a damaged event log"
screenshot after-damaged-load

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "PASS"
