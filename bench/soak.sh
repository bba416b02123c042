#!/usr/bin/env bash
# Soak: SOAK_MINUTES (default 30) of scripted play of the release build under
# a virtual X server: walking and turning, tones and songs, deaths under the
# crusher and on the dark floor, the menu in and out, options changed, the
# console. Resident memory is sampled every minute. Fails when memory grows
# after the first five minutes by more than SOAK_TOLERANCE_KB (default 8 MB:
# allocator pools and sound buffers settle in steps of a few MB), when the game
# crashes or ends early, or when the log shows an error line.
# Usage: bench/soak.sh [build folder]   (run by hand; not part of ./test.sh)
source "$(dirname "$0")/gamerun.sh"

MINUTES="${SOAK_MINUTES:-30}"
TOLERANCE_KB="${SOAK_TOLERANCE_KB:-8192}"
# Error lines a normal play writes into the log: none.
EXPECTED_ERRORS=()

make_work_tree "$(test_ini 800 600)"
SAMPLES="$ARTIFACTS/soak-memory.txt"
start_game
wait_for_window Belgarune
sleep 3
xdotool key Escape # the logos
sleep 2
new_game
echo "minute rss_kB" >"$SAMPLES"

walk() {
  local key
  for key in w a s d q e; do
    xdotool keydown "$key"; sleep 1; xdotool keyup "$key"
  done
  xdotool keydown w keydown q; sleep 1.5; xdotool keyup w keyup q
}
play_tones_and_songs() {
  xdotool key --delay 250 g h j k l
  sleep 1
  xdotool key --delay 300 g h j l j # the Prelude
  sleep 2
  xdotool key --delay 300 j h l k # the lullaby
  sleep 2
}
# The crusher catches the player; the dark corridor's floor takes him.
die_twice() {
  run_script_lines "placeCharacter(0, (260, 259))"
  sleep 8
  run_script_lines "heal()" "placeCharacter(0, (312, 250))"
  sleep 14
  run_script_lines "heal()" "placeCharacter(0, (251, 247))"
}
# Escape opens the menu; Up moves to "Continue" whatever was selected last.
menu_in_and_out() {
  xdotool key Escape; sleep 1.5
  xdotool key Up Up Up Return; sleep 1
}
change_options() {
  xdotool key Escape; sleep 1.5
  xdotool key Up Up Up Down Down Return; sleep 1 # "Options"
  xdotool key --delay 200 Left Right Right Left Down Right Left # volume, brightness
  sleep 1
  xdotool key Escape; sleep 1
  xdotool key Up Up Up Return; sleep 1
}
use_console() {
  open_console
  type_line "ombel fps"
  type_line "ombel fps"
  type_line ">addNotice(\"soak\", 1000);"
  close_console
}

# Samples every minute from the end of the intro, while the play goes on.
sample_memory() {
  local minute
  for minute in $(seq 0 "$MINUTES"); do
    [ "$minute" -eq 0 ] || sleep 60
    kill -0 "$GAME_PID" 2>/dev/null || return 0
    echo "$minute $(rss_kb)" >>"$SAMPLES"
    echo "minute $minute: $(rss_kb) kB"
  done
}
sample_memory &
SAMPLER_PID=$!
while kill -0 "$SAMPLER_PID" 2>/dev/null; do
  for action in walk play_tones_and_songs die_twice menu_in_and_out change_options use_console; do
    game_alive
    "$action"
  done
done

game_alive
close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after closing: $(tail -n 5 stderr.txt)"

errors="$(grep -F "<error>" "$(the_log)" || true)"
for expected in "${EXPECTED_ERRORS[@]}"; do errors="$(grep -vF -- "$expected" <<<"$errors" || true)"; done
[ -z "$errors" ] || fail "error lines in the log: $errors"

baseline_minute=$((MINUTES < 5 ? MINUTES : 5))
awk -v base="$baseline_minute" -v tolerance="$TOLERANCE_KB" '
  NR > 1 && $1 == base { baseline = $2 }
  NR > 1 && $1 >= base && $2 > peak { peak = $2 }
  END {
    printf "memory after minute %d: %d kB, highest later sample %d kB (growth %d kB, tolerance %d kB)\n",
           base, baseline, peak, peak - baseline, tolerance
    exit (peak - baseline > tolerance)
  }' "$SAMPLES" || fail "memory grew after the first five minutes (samples in $SAMPLES)"
echo "PASS"
