# Shared helpers of the end-to-end tests (sourced, not run).
# Each test gets: $1 the built game tree, $2 the folder of the test tools, $3 an artifact folder.

set -euo pipefail
GAME_TREE="$1"
TEST_TOOLS="$2"
ARTIFACTS="$3"
mkdir -p "$ARTIFACTS"

fail() { echo "FAIL: $*" >&2; exit 1; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Runs the command "$2..." every 0.2 s until it succeeds; fails after $1 seconds.
# Waits are for conditions, so a slow machine only makes the test longer.
wait_until() {
  local seconds="$1" _; shift
  for _ in $(seq 1 $((seconds * 5))); do
    "$@" && return 0
    sleep 0.2
  done
  "$@"
}

# Makes a private working copy of the game tree (links to its content, own
# logs/ and game.ini) and changes into it. Pass the game.ini text, or nothing
# for a tree without game.ini.
make_work_tree() {
  WORK="$(mktemp -d)"
  trap 'stop_left_game; rm -rf "$WORK"' EXIT
  for entry in "$GAME_TREE"/*; do
    name="$(basename "$entry")"
    case "$name" in logs|game.ini) ;; *) ln -s "$entry" "$WORK/$name" ;; esac
  done
  mkdir -p "$WORK/logs"
  if [ $# -gt 0 ]; then printf '%s' "$1" > "$WORK/game.ini"; fi
  cd "$WORK"
}

# Replaces the work tree's game data by links to the game tree's without the
# level (no map.png, an empty gamedata/scripts for the test's own scripts), so
# the dungeon shows only what the test builds.
without_level() {
  link_all_but gamedata scripts map.png
  mkdir -p "$WORK/gamedata/scripts"
}

# Replaces the work tree's link to the game tree's folder $1 by a folder of
# links to its entries, but for the names $2..., which the test may write.
link_all_but() {
  local folder="$1" entry name
  shift
  rm -f "$WORK/$folder"
  mkdir -p "$WORK/$folder"
  for entry in "$GAME_TREE/$folder"/*; do
    name="$(basename "$entry")"
    case " $* " in *" $name "*) ;; *) ln -s "$entry" "$WORK/$folder/$name" ;; esac
  done
}

# A game.ini for tests with the window size given (-1 -1: the desktop size).
test_ini() {
  printf '[graphics]\n#set to -1 for screen resolution\nresx=%s\nresy=%s\nfullscreen=false\nvsynch=true\naa=0\nfov=60\nbright=3\n\n[game]\ndebug=false\n\n[sound]\nvolume=100\n' "${1:-800}" "${2:-600}"
}

# Ends a game that a failed test left running, so that later tests never
# find its window.
stop_left_game() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null || true
    sleep 1
    kill -9 "$GAME_PID" 2>/dev/null || true
  fi
}

# Starts the game in the background; sets GAME_PID. GAME_PRELOAD names
# libraries loaded into the game only, ahead of any LD_PRELOAD.
start_game() {
  LD_PRELOAD="${GAME_PRELOAD:-} ${LD_PRELOAD:-}" ./belgarune >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" &
  GAME_PID=$!
}

# Waits for the game's window named $1; sets WINDOW.
wait_for_window() {
  WINDOW=""
  for _ in $(seq 1 1200); do
    WINDOW="$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)"
    [ -n "$WINDOW" ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared: $(cat "$WORK/stderr.txt")"
    sleep 0.1
  done
  fail "no window named $1"
}

# Waits at most $1 seconds (120 when not given) for the game to end; sets GAME_STATUS.
wait_for_exit() {
  GAME_STATUS=""
  for _ in $(seq 1 $((${1:-120} * 10))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      set +e; wait "$GAME_PID"; GAME_STATUS=$?; set -e
      return 0
    fi
    sleep 0.1
  done
  kill -9 "$GAME_PID" 2>/dev/null || true
  fail "the game did not end"
}

close_window() { "$TEST_TOOLS/xsendclose" "$WINDOW"; }

# The game's window into $ARTIFACTS/$1.png. A game that has ended fails the
# test at once: import, finding no window, would wait for one picked by hand.
screenshot() {
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game has ended: $(tail -n 3 "$WORK/stderr.txt")"
  timeout 60 import -window "$WINDOW" "$ARTIFACTS/$1.png"
}

# Number of pure white pixels in the area WxH+X+Y of the screenshot $1.
white_pixels() {
  convert "$ARTIFACTS/$1.png" -crop "$2" +repage -fill black +opaque white \
    -format "%[fx:round(mean*w*h)]" info:
}

# Pixels within 2% of pure white in the area WxH+X+Y ($2) of the screenshot
# $1, all others black: drawn letters, which no lit floor or fog reaches in
# numbers. Prints them by the format $3 after the operations $4...
near_white() {
  local shot="$1" area="$2" format="$3"
  shift 3
  convert "$ARTIFACTS/$shot.png" -crop "$area" +repage -fuzz 2% -fill black +opaque white "$@" -format "$format" info:
}
near_white_pixels() { near_white "$1" "$2" "%[fx:round(mean*w*h)]"; }
# Width of the near-white letters' bounding box.
near_white_width() { near_white "$1" "$2" "%w" -trim +repage; }

# The console draws its input line into this area at the top left; nothing else draws white there.
CONSOLE_INPUT_AREA="60x14+60+5"
console_drawn() { screenshot console-probe; [ "$(white_pixels console-probe "$CONSOLE_INPUT_AREA")" -gt 0 ]; }
console_hidden() { ! console_drawn; }

# F1 toggles the console; these wait until the screen shows the new state.
open_console() { xdotool key F1; wait_until 60 console_drawn || fail "no console input line after F1"; }
close_console() { xdotool key F1; wait_until 60 console_hidden || fail "the console input line stays after F1"; }

# Types a console line and waits until the log shows it was taken.
type_line() {
  local before
  before="$(log_count "<input> $1")"
  xdotool type --delay 40 "$1"
  xdotool key Return
  wait_for_log "<input> $1" $((before + 1))
}

the_log() { ls "$WORK"/logs/*.txt | head -n 1; }

# Number of lines of the log that contain the text $1.
log_count() { grep -cF -- "$1" "$(the_log)" || true; }

# Waits until the log holds at least $2 lines with the text $1.
wait_for_log() {
  local text="$1" count="${2:-1}"
  log_has() { [ "$(log_count "$text")" -ge "$count" ]; }
  wait_until 60 log_has || fail "the log never showed $count line(s) with: $text"
}
