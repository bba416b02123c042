#!/usr/bin/env bash
# Event recording through the console of the running game: "ombel log on" and
# "ombel log save" write Eventlog.txt as a text archive; loading a damaged
# file is refused with an error in the log and the game goes on.
source "$(dirname "$0")/lib.sh"

type_line() {
  xdotool type --delay 40 "$1"
  xdotool key Return
  sleep 0.5
}

make_work_tree "$(test_ini 800 600)"
start_game
wait_for_window Belgarune
sleep 1
xdotool windowfocus --sync "$WINDOW"
xdotool key F1
sleep 0.5

type_line "ombel log on"
sleep 0.5
type_line "ombel log save"
[ -f Eventlog.txt ] || fail "no Eventlog.txt after ombel log save: $(cat "$(the_log)")"
head -c 26 Eventlog.txt | grep -q "^22 serialization::archive" || fail "not a text archive: $(head -c 200 Eventlog.txt)"
[ ! -e Eventlog.txt.tmp ] || fail "the temporary file was left behind"
cp Eventlog.txt "$ARTIFACTS/Eventlog.txt"

# A saved record loads without complaint; a damaged one is refused.
type_line "ombel log load"
printf '22 serialization::archive 18 3 0 4000000000 X' > Eventlog.txt
type_line "ombel log load"
type_line "ombel log off"
log="$(the_log)"
errors="$(grep -c "<error> Event log Eventlog.txt could not be loaded" "$log" || true)"
[ "$errors" -eq 1 ] || fail "expected one refused load, found $errors: $(cat "$log")"
kill -0 "$GAME_PID" || fail "the game ended after loading a damaged event log"
screenshot after-damaged-load

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "PASS"
