#!/usr/bin/env bash
# Every data file the game reads, damaged one way at a time (missing, empty,
# truncated, CRLF, Latin-1, a 10,000-character line, random bytes): the real
# binary either runs until its window is closed or exits with a message;
# never a signal, a sanitizer report or a hang, and game.ini stays as it was.
# Cases run in parallel, each worker on a virtual X server of its own.
source "$(dirname "$0")/lib.sh"

GAME_TREE="$(cd "$GAME_TREE" && pwd)"
TEST_TOOLS="$(cd "$TEST_TOOLS" && pwd)"
WORKERS="${BAD_DATA_WORKERS:-4}"
LIFE_SECONDS=2     # how long the game runs once its window is up
START_SECONDS=90   # bound for the window to appear or the game to end
EXIT_SECONDS=30    # bound for the game to end after the close request
DAMAGES=(missing empty truncated crlf latin1 longline random)
# Damages only some files can show: a typo in the patrol graph's section header.
EXTRA_CASES=("gamedata/nodes.txt typo")
# Faults found by this matrix in code outside the game's own readers, waiting
# for their fix: such a case is reported as "known" and does not fail the run.
declare -A KNOWN_FAULTS=(
  ["gamedata/objects/fog.jpg truncated"]="Irrlicht's JPEG loader reads past the end of a cut-off file"
)
# How often the patrol graph is logged by damage: once when the file is missing
# or readable without a single point (empty, random bytes, the points' header
# mistyped or made unknown by the Latin-1 tail), never while points are left.
declare -A PATROL_LOGGED=([missing]=1 [empty]=1 [random]=1 [latin1]=1 [typo]=1 [truncated]=0 [crlf]=0 [longline]=0)
RESULTS="$ARTIFACTS/bad-data"
rm -rf "$RESULTS"
mkdir -p "$RESULTS"
test_ini 640 480 >"$RESULTS/base.ini"
# Any audio output works: sound files are decoded and played into nothing.
export ALSOFT_DRIVERS=null

# The first path of the game tree that exists, else the first argument.
present_or_first() {
  local path
  for path in "$@"; do [ -e "$GAME_TREE/$path" ] && { echo "$path"; return; }; done
  echo "$1"
}

# Files under test, relative to the game tree. Only the start script is read in
# a short life; the script reader's other inputs are left to its fuzz target.
targets() {
  echo game.ini
  echo talvoren/lang/lang.txt
  present_or_first talvoren/lang/english/defs.tsf $(cd "$GAME_TREE" && find talvoren/lang -name defs.tsf | sort)
  echo gamedata/map.png
  echo gamedata/songs.txt
  echo gamedata/nodes.txt
  echo gamedata/scripts/start.omx
  (cd "$GAME_TREE" && ls gamedata/shader/*.omxs 2>/dev/null) || true
  present_or_first gamedata/objects/wall1.x $(cd "$GAME_TREE" && ls gamedata/objects/*.[xX] 2>/dev/null)
  present_or_first gamedata/objects/fog.jpg
  present_or_first gamedata/music/title_start.ogg
  present_or_first sounds/D.wav
  present_or_first Talvoren/systemFont.bmp
  echo Eventlog.txt
}

# The undamaged content of a target (empty for files the tree does not have).
original() {
  if [ "$1" = game.ini ]; then cat "$RESULTS/base.ini"
  elif [ -f "$GAME_TREE/$1" ]; then cat "$GAME_TREE/$1"
  fi
}

long_line() { head -c 5000 /dev/zero | tr '\0' k; printf '='; head -c 4999 /dev/zero | tr '\0' 9; printf '\n'; }

# Writes the damaged target to $2 (a path that is no link).
damage() {
  local target="$1" out="$2" kind="$3" size
  size="$(original "$target" | wc -c)"
  case "$kind" in
    missing) ;;
    empty) : >"$out" ;;
    truncated) original "$target" | head -c $((size / 2)) >"$out" ;;
    crlf) original "$target" | sed -e 's/\r$//' -e 's/$/\r/' >"$out" ;;
    latin1) { original "$target" | sed -e $'s/$/ \xe4\xf6\xfc\xdf\xe9/'; printf '\xc4rger \xfcber \xa7\xb0\xff\n'; } >"$out" ;;
    longline) { original "$target" | head -n 1; long_line; original "$target" | tail -n +2; } >"$out" ;;
    random) head -c $((size > 64 ? size : 64)) /dev/urandom >"$out" ;;
    typo) original "$target" | sed -e 's/^\[points\]$/[point]/' >"$out" ;;
  esac
}

# A private game tree in $1: links to the built tree, except that each folder
# on the way to the target is a real folder of links, so the target can be
# replaced without touching the built tree.
case_tree() {
  local dir="$1" target="$2" path="" part origin entry
  local -a parts
  for entry in "$GAME_TREE"/*; do
    case "$(basename "$entry")" in logs|game.ini) ;; *) ln -s "$entry" "$dir/" ;; esac
  done
  mkdir "$dir/logs"
  cp "$RESULTS/base.ini" "$dir/game.ini"
  IFS=/ read -ra parts <<<"$target"
  for part in "${parts[@]:0:${#parts[@]}-1}"; do
    path="$path/$part"
    if [ -L "$dir$path" ]; then
      origin="$(readlink "$dir$path")"
      rm "$dir$path"
      mkdir "$dir$path"
      for entry in "$origin"/*; do ln -s "$entry" "$dir$path/"; done
    elif [ ! -e "$dir$path" ]; then
      mkdir "$dir$path"
    fi
  done
  rm -f "$dir/$target"
}

# Sets CASE_WINDOW to the game's window on the display, empty while there is none.
find_window() { CASE_WINDOW="$(xdotool search --name '^Belgarune$' 2>/dev/null | head -n 1 || true)"; }

# Loads the damaged event log through the console; the log shows the line when taken.
load_event_log() {
  local dir="$1" tries
  xdotool windowfocus --sync "$CASE_WINDOW" 2>/dev/null || true
  xdotool key F1
  sleep 0.5
  xdotool type --delay 30 "ombel log load"
  xdotool key Return
  for tries in $(seq 1 100); do
    grep -qF "<input> ombel log load" "$dir"/logs/*.txt 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}

# Runs one case on the current display (with errexit off); writes "<verdict> <case> <what happened>"
# to the case's result file. Verdicts: ran, refused (exit with a message),
# known (a listed fault showed), FAIL.
run_case() {
  local target="$1" kind="$2" name dir pid status="" window_seen=no note="" tries
  name="$(echo "$target" | tr '/' '_').$kind"
  dir="$(mktemp -d)"
  case_tree "$dir" "$target"
  damage "$target" "$dir/$target" "$kind"
  # game.ini as the game finds it, to compare after the run.
  if [ -e "$dir/game.ini" ]; then cp "$dir/game.ini" "$dir.ini"; fi

  (cd "$dir" && LD_PRELOAD="${GAME_PRELOAD:-} ${LD_PRELOAD:-}" exec ./belgarune >stdout.txt 2>stderr.txt) &
  pid=$!
  for tries in $(seq 1 $((START_SECONDS * 5))); do
    find_window
    [ -n "$CASE_WINDOW" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ -n "$CASE_WINDOW" ]; then
    window_seen=yes
    if [ "$target" = Eventlog.txt ]; then load_event_log "$dir" || note="console line not taken; "; fi
    sleep "$LIFE_SECONDS"
    "$TEST_TOOLS/xsendclose" "$CASE_WINDOW" >/dev/null 2>&1 || true
  fi
  for tries in $(seq 1 $((EXIT_SECONDS * 5))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid" 2>/dev/null || true
    note+="hang: still running ${EXIT_SECONDS}s after the close request; "
  fi
  wait "$pid"
  status=$?

  local verdict=ran first_error logged_error
  first_error="$(grep -m 1 -v '^\s*$' "$dir/stderr.txt" | cut -c 1-160 || true)"
  logged_error="$(cat "$dir"/logs/*.txt 2>/dev/null | grep -m 1 -F '<error>' | cut -c 1-160 || true)"
  if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:|UndefinedBehaviorSanitizer' "$dir/stderr.txt"; then
    note+="sanitizer: $(grep -m 1 -E 'Sanitizer|runtime error:' "$dir/stderr.txt" | cut -c 1-160); "
  fi
  if [ "$window_seen" = yes ] && [ "$status" -ne 0 ]; then
    note+="exit status $status after the close request: $first_error; "
  elif [ "$window_seen" = no ]; then
    verdict=refused
    [ "$status" -eq 255 ] || note+="exit status $status without a window: $first_error; "
    [ -n "$first_error" ] || note+="exit without a message; "
  fi
  # The message the game owes for files it cannot start without.
  local expected=""
  case "$target.$kind" in
    game.ini.missing) expected="Could not load INI file game.ini!" ;;
    talvoren/lang/lang.txt.missing | talvoren/lang/lang.txt.empty | *defs.tsf.missing)
      expected="Could not load Languagefile at path" ;;
  esac
  if [ -n "$expected" ] && ! { [ "$verdict" = refused ] && grep -qF "$expected" "$dir/stderr.txt"; }; then
    note+="expected an exit with \"$expected\"; "
  fi
  # The patrol graph is read at set-up: a file that gives no point is logged once, by name.
  if [ "$target" = gamedata/nodes.txt ] && [ "$window_seen" = yes ]; then
    local patrol_logged
    patrol_logged="$(cat "$dir"/logs/*.txt 2>/dev/null | grep -cF "Could not read the patrol paths of gamedata/nodes.txt" || true)"
    [ "$patrol_logged" = "${PATROL_LOGGED[$kind]}" ] ||
      note+="the patrol graph's log line shows $patrol_logged times, not ${PATROL_LOGGED[$kind]}; "
  fi
  if [ -e "$dir.ini" ]; then
    cmp -s "$dir.ini" "$dir/game.ini" || note+="game.ini changed; "
  elif [ -e "$dir/game.ini" ]; then
    note+="game.ini created; "
  fi
  [ -e "$dir/game.ini.tmp" ] && note+="game.ini.tmp left behind; "

  if [ -n "$note" ]; then
    verdict=FAIL
    if [ -n "${KNOWN_FAULTS["$target $kind"]:-}" ]; then
      verdict=known
      note="${KNOWN_FAULTS["$target $kind"]}: $note"
    fi
  fi
  echo "$verdict $target $kind: ${note:-${first_error:-${logged_error:-no message}}}" >"$RESULTS/$name.result"
  if [ "$verdict" != ran ] && [ "$verdict" != refused ]; then
    mkdir -p "$RESULTS/$name"
    cp "$dir/stdout.txt" "$dir/stderr.txt" "$RESULTS/$name/" 2>/dev/null || true
    cp "$dir"/logs/*.txt "$RESULTS/$name/" 2>/dev/null || true
    [ -f "$dir/$target" ] && cp "$dir/$target" "$RESULTS/$name/damaged.$(basename "$target")"
  fi
  rm -rf "$dir" "$dir.ini"
}

# One virtual X server per worker; prints its display number.
XSERVERS=()
start_xserver() {
  local numberfile
  numberfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  XSERVERS+=($!)
  wait_until 30 test -s "$numberfile" || fail "no virtual X server started"
  DISPLAYS+=("$(cat "$numberfile")")
  rm -f "$numberfile"
}
stop_xservers() { local server; for server in "${XSERVERS[@]}"; do kill "$server" 2>/dev/null || true; done; }
trap stop_xservers EXIT

# BAD_DATA_ONLY (an extended regular expression on "target damage") picks cases.
CASES=()
while read -r target; do
  for kind in "${DAMAGES[@]}"; do
    [[ "$target $kind" =~ ${BAD_DATA_ONLY:-.} ]] && CASES+=("$target $kind")
  done
done < <(targets)
for extra in "${EXTRA_CASES[@]}"; do
  [[ "$extra" =~ ${BAD_DATA_ONLY:-.} ]] && CASES+=("$extra")
done

DISPLAYS=()
for _ in $(seq 1 "$WORKERS"); do start_xserver; done
begin=$(date +%s)
WORKER_PIDS=()
for worker in $(seq 0 $((WORKERS - 1))); do
  (
    set +e
    export DISPLAY=":${DISPLAYS[$worker]}"
    for ((k = worker; k < ${#CASES[@]}; k += WORKERS)); do
      read -r target kind <<<"${CASES[$k]}"
      run_case "$target" "$kind"
      # Under load the leak checker itself can fail; such a case runs once more.
      name="$(echo "$target" | tr '/' '_').$kind"
      if grep -q "LeakSanitizer has encountered a fatal error" "$RESULTS/$name/stderr.txt" 2>/dev/null; then
        rm -rf "${RESULTS:?}/$name"
        run_case "$target" "$kind"
      fi
    done
  ) &
  WORKER_PIDS+=($!)
done
wait "${WORKER_PIDS[@]}"
echo "${#CASES[@]} cases in $(($(date +%s) - begin)) s with $WORKERS workers"

sort "$RESULTS"/*.result >"$RESULTS/summary.txt"
echo "ran: $(grep -c '^ran' "$RESULTS/summary.txt"), refused: $(grep -c '^refused' "$RESULTS/summary.txt"), known faults: $(grep -c '^known' "$RESULTS/summary.txt")"
grep -v '^ran' "$RESULTS/summary.txt" || true
[ "$(ls "$RESULTS"/*.result | wc -l)" -eq "${#CASES[@]}" ] || fail "some cases left no result"
if grep -q '^FAIL' "$RESULTS/summary.txt"; then fail "$(grep -c '^FAIL' "$RESULTS/summary.txt") damaged files broke the game"; fi
echo "PASS"
