# Shared by the scripts that run the real game by hand (sourced, not run):
# the game tree of a build (the script's first argument, else build/) under a
# virtual X server, with the end-to-end tests' helpers.

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="$(cd "${1:-$BENCH_DIR/../build}" && pwd)"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$BUILD"
fi
set -- "$BUILD/game" "$BUILD/tests" "$BUILD/bench-artifacts/$(basename "$0" .sh)"
source "$BENCH_DIR/../tests/e2e/lib.sh"
# Sound is mixed as in play, without an output device.
export ALSOFT_DRIVERS=null

# The intro scene after "New game" ends within this many seconds.
INTRO_SECONDS=45

now_ns() { date +%s%N; }
# Resident memory now and at its peak, in kB.
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$GAME_PID/status"; }
peak_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$GAME_PID/status"; }
game_alive() { kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended early: $(tail -n 5 "$WORK/stderr.txt")"; }

# Runs the script lines "$@" through the console (a leading ">" each), typed
# fast: the hero may stand on a deadly floor meanwhile.
run_script_lines() {
  open_console
  local line before
  for line in "$@"; do
    before="$(log_count "<input> >$line")"
    xdotool type --delay 5 ">$line"
    xdotool key Return
    wait_for_log "<input> >$line" $((before + 1))
  done
  close_console
}

# "New game" from the title menu; returns after the intro.
new_game() {
  xdotool key Down Return
  sleep "$INTRO_SECONDS"
  game_alive
}
