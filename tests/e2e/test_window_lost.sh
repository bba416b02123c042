#!/usr/bin/env bash
# A window destroyed from outside (as a window manager killing it does) ends
# the game as closing it does, and its X errors leave only a few log lines.
source "$(dirname "$0")/lib.sh"

make_work_tree "$(test_ini 800 600)"
start_game
wait_for_window Belgarune
sleep 1
xdotool windowclose "$WINDOW"
wait_for_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after the window was destroyed: $(cat stderr.txt)"

log="$(the_log)"
size="$(stat -c %s "$log")"
echo "log: $size bytes"; cat "$log"
[ "$size" -lt 2048 ] || fail "the log grew to $size bytes"
# Each distinct error at most twice: when it first happens and with its count.
repeated="$(grep -F "X error" "$log" | sed -e 's/^\[[^]]*\] //' -e 's/ (repeated [0-9]* more times)$//' | sort | uniq -c |
  awk '$1 > 2')"
[ -z "$repeated" ] || fail "X errors logged line by line: $repeated"
echo "PASS"
