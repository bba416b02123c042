#!/usr/bin/env bash
# The real binary starts with sound where an audio device opens and goes on without it where none does.
source "$(dirname "$0")/lib.sh"

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

# OpenAL Soft's wave backend stands in for a sound card: no failure, and the device wrote its output file.
make_work_tree "$(test_ini 800 600)"
printf '[general]\nchannels = stereo\n[wave]\nfile = %s/output.wav\n' "$WORK" > alsoft.conf
wrote_wav() { [ "$(head -c 4 output.wav 2>/dev/null)" = "RIFF" ]; }
ALSOFT_CONF="$WORK/alsoft.conf" ALSOFT_DRIVERS=wave run_until_closed wrote_wav
if grep -qF "$NO_SOUND" stderr.txt; then fail "sound did not start: $(cat stderr.txt)"; fi
echo "PASS"
