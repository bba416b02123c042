#!/usr/bin/env bash
# The real binary starts with sound where an audio device opens and goes on
# without it where none does; what it plays is heard in the recorded mix.
source "$(dirname "$0")/lib.sh"
LEVELS="$(cd "$(dirname "$0")" && pwd)/wavlevels.py"

NO_SOUND="Talvoren: The sound engine could not be started; the game runs without sound."

# Runs the game until its window is up and the command "$@" succeeds, then closes it.
run_until_closed() {
  start_game
  wait_for_window Belgarune
  wait_until 60 "$@" || fail "the game never reached: $*: $(cat stderr.txt)"
  close_window
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
}

# No audio device: the failure is reported and the game runs on.
make_work_tree "$(test_ini 800 600)"
ALSOFT_DRIVERS=no-such-backend run_until_closed grep -qF "$NO_SOUND" stderr.txt
cd /; rm -rf "$WORK"

# OpenAL Soft's wave backend stands in for a sound card and records the mix.
# The title music must be heard in the menu after the splash, and a tone the
# hero plays on the shell above the quiet before it.
make_work_tree "$(test_ini 800 600)"
without_level
{
  for x in $(seq 98 104); do echo "setFloor(($x, 100), 1);"; done
  echo 'placeCharacter(0, (100, 100));'
  echo 'create("INST", (100, 100), 1, 100);'
} > "$WORK/gamedata/scripts/start.omx"
printf '[general]\nchannels = stereo\nsample-type = int16\n[wave]\nfile = %s/output.wav\n' "$WORK" > alsoft.conf
export ALSOFT_CONF="$WORK/alsoft.conf" ALSOFT_DRIVERS=wave
now() { date +%s.%N; }
menu_shown() {
  screenshot sound-probe
  [ "$(convert "$ARTIFACTS/sound-probe.png" -crop 110x30+40+300 +repage -colorspace Gray -threshold 90% \
    -format "%[fx:round(mean*w*h)]" info:)" -gt 20 ]
}
notice_shown() { grep -qF "Play with g,h,j, k and l" "$(the_log)"; }

started=$(now)
start_game
wait_for_window Belgarune
wait_until 60 menu_shown || fail "the title menu never came"
menu=$(now)
sleep 4
xdotool key Down Return # "New game"
sleep 4 # the title music fades out
xdotool key space # picks up the shell
sleep 3
tone=$(now)
xdotool keydown g; sleep 0.6; xdotool keyup g
sleep 1.5
close_window
wait_for_exit
ended=$(now)
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
if grep -qF "$NO_SOUND" stderr.txt; then fail "sound did not start: $(cat stderr.txt)"; fi
[ "$(head -c 4 output.wav 2>/dev/null)" = "RIFF" ] || fail "the wave backend wrote no output file"
cp output.wav "$ARTIFACTS/sound-mix.wav"

# The recording starts when the device opens, somewhat after the game: that
# delay is what the wall time lacks in the recording's length.
length=$(python3 "$LEVELS" output.wav length)
at() { echo "$1 - $started - (($ended - $started) - $length) + $2" | bc -l; }
read -r title quiet played < <(python3 "$LEVELS" output.wav \
  "$(at "$menu" 0.5):$(at "$menu" 3.5)" "$(at "$tone" -2.0):$(at "$tone" -1.0)" "$(at "$tone" 0):$(at "$tone" 1.0)" | xargs)
echo "recorded ${length}s; RMS: title music $title, before the tone $quiet, the tone $played"
awk -v v="$title" 'BEGIN { exit !(v > 0.02) }' || fail "the title music is not heard in the menu (RMS $title)"
awk -v q="$quiet" -v t="$played" 'BEGIN { exit !(t > 0.01 && t > 2 * q) }' ||
  fail "the tone is not heard (RMS $played against $quiet before it)"
echo "PASS"
