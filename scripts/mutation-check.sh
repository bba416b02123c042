#!/usr/bin/env bash
# Plants each one-line fault of scripts/mutations.txt in turn, builds, runs test
# programs until one fails, restores the file, and reports every fault that no
# test caught. A hand-run tool, like the benchmarks. Never run it in a tree
# others edit: it rewrites source files while it runs. Use a worktree:
#   git worktree add --detach ../mc main
#   cmake -S ../mc -B ../mc/build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELGARUNE_TESTS=ON -DBELGARUNE_BENCH=OFF
#   cmake -S ../mc -B ../mc/build-asan -DCMAKE_BUILD_TYPE=Debug -DBELGARUNE_SANITIZE=ON -DBELGARUNE_TESTS=ON -DBELGARUNE_BENCH=OFF
#   (build both), then: JOBS=4 ../mc/scripts/mutation-check.sh ../mc/build ../mc/build-asan [fault list]
#
# First the baseline: every test program the faults will run is built and run
# once without a fault; one that fails stops the check (exit 2). Then, per fault, its
# "tests:" programs run first, then those of the folder mirroring its file
# under tests/ (code/src/songs/x.cpp -> tests/code/songs/, code/src/x.cpp ->
# tests/code/, gui/x.cpp -> tests/gui/; a mirror without tests gives way to the
# nearest parent folder that has some). When none of them fails, every test
# program of the build runs (the fallback). A program catches the fault when it
# exits non-zero: a failed test, a crash and a time-out alike.
# The check fails (exit 1) when a fault survives, is skipped (a "build: asan"
# fault without the sanitizer build), its line is not found, it does not
# build, or the list has a mistake (such as a fault equal to its line).
# Needs a display for the render tests; without one it runs itself under xvfb-run.
set -uo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(realpath -m "${1:-$ROOT/build}")"
ASAN_BUILD="$(realpath -m "${2:-$ROOT/build-asan}")"
LIST="$(realpath -m "${3:-$ROOT/scripts/mutations.txt}")"
JOBS="${JOBS:-8}"
PROGRAM_TIMEOUT="${PROGRAM_TIMEOUT:-300}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$BUILD" "$ASAN_BUILD" "$LIST"
fi
export ASAN_OPTIONS=detect_leaks=1
cd "$ROOT" || exit 2
[ -f "$LIST" ] || { echo "no fault list at $LIST" >&2; exit 2; }

LOG_DIR="$BUILD/mutation-logs"
rm -rf "$LOG_DIR"
mkdir -p "$LOG_DIR"

# ---- routing -------------------------------------------------------------

# Test program names for test files: tests/code/songs/test_songs.cpp -> code_songs_test_songs.
program_of() { local rel="${1#tests/}"; rel="${rel%.cpp}"; echo "${rel//\//_}"; }

# The programs of one test folder (not of its subfolders).
folder_programs() {
  local test
  for test in "$1"/test_*.cpp; do [ -e "$test" ] && program_of "$test"; done
}

# The test folder mirroring a source file's folder, or its nearest parent with tests.
owner_folder() {
  local dir top folder
  dir="$(dirname "$1")"
  case "$dir" in
    code/src) folder="tests/code" ;;
    code/src/*) folder="tests/code/${dir#code/src/}" ;;
    *) folder="tests/$dir" ;;
  esac
  top="$(echo "$folder" | cut -d/ -f1-2)"
  while [ "$folder" != "$top" ] && [ -z "$(folder_programs "$folder")" ]; do folder="$(dirname "$folder")"; done
  echo "$folder"
}

# The programs to run first for a fault: its hints, then its folder's.
chosen_programs() {
  local file="$1" hints="$2"
  { for program in $hints; do echo "$program"; done; folder_programs "$(owner_folder "$file")"; } | awk '!seen[$0]++'
}

# Every unit and scene test program the build has (the end-to-end scripts are not programs).
all_programs() {
  find tests -mindepth 2 -name 'test_*.cpp' -not -path 'tests/e2e/*' | sort | while read -r test; do program_of "$test"; done
}

# ---- building and running ------------------------------------------------

# Builds the programs; 0 when all of them build.
build_programs() {
  local build="$1" log="$2"
  shift 2
  [ $# -eq 0 ] && return 0
  cmake --build "$build" -j"$JOBS" --target "$@" >>"$log" 2>&1
}

# Runs a built program; its exit status (non-zero for a failure, a crash or a time-out).
run_program() {
  local build="$1" program="$2" log="$3" status
  echo "== $program" >>"$log"
  (cd "$build/tests" && timeout "$PROGRAM_TIMEOUT" "./$program" --gtest_brief=1) >>"$log" 2>&1
  status=$?
  echo "== $program exit $status" >>"$log"
  return "$status"
}

# Programs that passed without a fault, per build: "<build> <program>" lines.
BASELINED="$LOG_DIR/baselined"
: >"$BASELINED"
is_baselined() { grep -qxF "$1 $2" "$BASELINED"; }

# Builds and runs the programs not yet run without a fault; stops the whole
# check when one does not build or fails.
baseline() {
  local build="$1" log="$LOG_DIR/baseline.log" program
  shift
  local todo=()
  for program in "$@"; do is_baselined "$build" "$program" || todo+=("$program"); done
  [ ${#todo[@]} -eq 0 ] && return 0
  echo "baseline: ${#todo[@]} programs in $build"
  if ! build_programs "$build" "$log" "${todo[@]}"; then
    echo "BASELINE FAILED: the test programs do not build without a fault in $build (see $log)"
    exit 2
  fi
  for program in "${todo[@]}"; do
    if ! run_program "$build" "$program" "$log"; then
      echo "BASELINE FAILED: $program fails without any fault in $build (see $log); fix it before the check"
      exit 2
    fi
    echo "$build $program" >>"$BASELINED"
  done
}

# ---- planting -------------------------------------------------------------

BACKUP=""
TARGET=""
restore() {
  if [ -n "$BACKUP" ]; then
    cp "$BACKUP" "$TARGET"
    touch "$TARGET" # newer than the object built from the fault
    rm -f "$BACKUP"
    BACKUP=""
  fi
}
trap 'restore; exit 130' INT TERM
trap restore EXIT

# How often the line (without its indentation) stands in the file.
count_matches() {
  LINE="$2" awk '{ t = $0; gsub(/^[ \t]+|[ \t]+$/, "", t); if (t == ENVIRON["LINE"]) n++ } END { print n + 0 }' "$1"
}

# Puts the fault in place of the nth matching line, keeping its indentation.
plant() {
  local file="$1" line="$2" with="$3" nth="$4"
  TARGET="$file"
  BACKUP="$(mktemp)"
  cp "$file" "$BACKUP"
  LINE="$line" WITH="$with" NTH="$nth" awk '{ t = $0; gsub(/^[ \t]+|[ \t]+$/, "", t);
      if (t == ENVIRON["LINE"] && ++n == ENVIRON["NTH"]) { match($0, /^[ \t]*/); print substr($0, 1, RLENGTH) ENVIRON["WITH"] }
      else print }' "$BACKUP" >"$file"
}

# ---- the list -------------------------------------------------------------

# Blocks of "file:", "line:", "with:" and optional "tests:" (programs to try
# first), "nth:" (which of several equal lines, else it must be the only one)
# and "build: asan", separated by blank lines; # starts a comment.
F_FILE=() F_LINE=() F_WITH=() F_HINTS=() F_BUILD=() F_NTH=() F_ERROR=()
file="" line="" with="" hints="" build="" nth="" error="" started=""
flush() {
  if [ -n "$started" ]; then
    [ -z "$file" ] || [ -z "$line" ] || [ -z "$with" ] && error="${error:+$error; }a fault needs file:, line: and with:"
    case "$build" in "" | asan) ;; *) error="${error:+$error; }unknown build: $build" ;; esac
    case "$nth" in "" | [1-9] | [1-9][0-9]) ;; *) error="${error:+$error; }nth: is not a number" ;; esac
    [ -n "$line" ] && [ "$line" = "$with" ] && error="${error:+$error; }the fault equals its line"
    F_FILE+=("$file") F_LINE+=("$line") F_WITH+=("$with") F_HINTS+=("$hints") F_BUILD+=("$build")
    F_NTH+=("$nth") F_ERROR+=("$error")
  fi
  file="" line="" with="" hints="" build="" nth="" error="" started=""
}
# The text after "key:" and one space.
value_of() { local value="${1#*:}"; printf '%s' "${value# }"; }
while IFS= read -r entry || [ -n "$entry" ]; do
  case "$entry" in
    "#"*) continue ;;
    "") flush; continue ;;
  esac
  started=1
  case "$entry" in
    file:*) file="$(value_of "$entry" | xargs)" ;;
    line:*) line="$(value_of "$entry")" ;;
    with:*) with="$(value_of "$entry")" ;;
    tests:*) hints="$(value_of "$entry")" ;;
    build:*) build="$(value_of "$entry" | xargs)" ;;
    nth:*) nth="$(value_of "$entry" | xargs)" ;;
    *) error="${error:+$error; }unreadable line: $entry" ;;
  esac
done <"$LIST"
flush

# ---- the check ------------------------------------------------------------

CAUGHT_OWN=() CAUGHT_FALLBACK=() SURVIVED=() SKIPPED=() NOT_FOUND=() NOT_BUILT=() LIST_ERRORS=()
ALL_PROGRAMS=($(all_programs))

# Sets PROBLEM to why a fault cannot be planted as written (empty when it
# can), and FAULT_BUILD to the build dir it runs in.
classify_fault() {
  local i="$1" matches nth="${F_NTH[$1]}"
  PROBLEM=""
  FAULT_BUILD="$BUILD"
  if [ -n "${F_ERROR[$i]}" ]; then PROBLEM="list: ${F_ERROR[$i]}"; return; fi
  if [ ! -f "${F_FILE[$i]}" ]; then PROBLEM="missing: no such file"; return; fi
  matches="$(count_matches "${F_FILE[$i]}" "${F_LINE[$i]}")"
  if { [ -z "$nth" ] && [ "$matches" -ne 1 ]; } || [ "$matches" -lt "${nth:-1}" ]; then
    PROBLEM="missing: the line is found $matches times"
    return
  fi
  if [ "${F_BUILD[$i]}" = asan ]; then
    if [ ! -d "$ASAN_BUILD/tests" ]; then PROBLEM="skipped: no sanitizer build at $ASAN_BUILD"; return; fi
    FAULT_BUILD="$ASAN_BUILD"
  fi
}

# Runs built programs in order until one fails; prints the one that failed.
first_failing() {
  local build="$1" log="$2" program
  shift 2
  for program in "$@"; do
    run_program "$build" "$program" "$log" || { echo "$program"; return; }
  done
}

# Builds and runs the programs one by one until one fails; prints the one that
# failed. Returns 2 when one does not build.
first_failing_built_in_turn() {
  local build="$1" log="$2" program
  shift 2
  for program in "$@"; do
    build_programs "$build" "$log" "$program" || return 2
    run_program "$build" "$program" "$log" || { echo "$program"; return; }
  done
}

# Records the fault's outcome and prints it.
verdict() {
  local kind="$1" entry="$2" detail="$3"
  case "$kind" in
    list) LIST_ERRORS+=("$entry ($detail)"); echo "LIST ERROR $entry: $detail" ;;
    missing) NOT_FOUND+=("$entry ($detail)"); echo "NOT FOUND $entry: $detail" ;;
    skipped) SKIPPED+=("$entry ($detail)"); echo "SKIPPED $entry: $detail" ;;
    unbuilt) NOT_BUILT+=("$entry"); echo "NOT BUILT $entry ($detail)" ;;
    survived) SURVIVED+=("$entry"); echo "SURVIVED $entry ($detail)" ;;
    hint | folder) CAUGHT_OWN+=("$entry"); echo "caught   $entry  by $detail" ;;
    fallback) CAUGHT_FALLBACK+=("$entry"); echo "caught   $entry  by $detail" ;;
  esac
}

check_fault() {
  local i="$1" n=$(($1 + 1))
  local entry="[$n] ${F_FILE[$i]}: ${F_LINE[$i]} -> ${F_WITH[$i]}"
  local log="$LOG_DIR/fault-$n.log" started_at=$(date +%s) build
  classify_fault "$i"
  if [ -n "$PROBLEM" ]; then verdict "${PROBLEM%%:*}" "$entry" "${PROBLEM#*: }"; return; fi
  build="$FAULT_BUILD"

  local chosen=($(chosen_programs "${F_FILE[$i]}" "${F_HINTS[$i]}"))
  baseline "$build" "${chosen[@]}"
  plant "${F_FILE[$i]}" "${F_LINE[$i]}" "${F_WITH[$i]}" "${F_NTH[$i]:-1}"
  if cmp -s "$BACKUP" "${F_FILE[$i]}"; then
    restore
    verdict list "$entry" "planting it leaves the file as it was"
    return
  fi
  echo "$entry" >"$log"

  local caught how="folder" status
  caught="$(first_failing_built_in_turn "$build" "$log" "${chosen[@]}")"
  status=$?
  if [ $status -eq 0 ] && [ -z "$caught" ]; then
    # The fallback: every other program, each run once without the fault first.
    local rest=() program
    for program in "${ALL_PROGRAMS[@]}"; do
      case " ${chosen[*]} " in *" $program "*) ;; *) rest+=("$program") ;; esac
    done
    restore
    baseline "$build" "${rest[@]}"
    plant "${F_FILE[$i]}" "${F_LINE[$i]}" "${F_WITH[$i]}" "${F_NTH[$i]:-1}"
    how="fallback"
    if build_programs "$build" "$log" "${rest[@]}"; then
      caught="$(first_failing "$build" "$log" "${rest[@]}")"
    else
      status=2
    fi
  fi
  restore
  if [ "$how" = folder ] && [ -n "$caught" ]; then
    case " ${F_HINTS[$i]} " in *" $caught "*) how="hint" ;; esac
  fi

  local took="$(($(date +%s) - started_at)) s"
  if [ $status -eq 2 ]; then
    verdict unbuilt "$entry" "$took, see $log"
  elif [ -n "$caught" ]; then
    verdict "$how" "$entry" "$caught ($how, $took)"
  else
    verdict survived "$entry" "$took"
  fi
}

start=$(date +%s)
echo "faults: ${#F_FILE[@]}, logs in $LOG_DIR"

# The baseline of every program the faults choose, before any fault.
declare -A chosen_by_build=()
for i in "${!F_FILE[@]}"; do
  classify_fault "$i"
  [ -n "$PROBLEM" ] && continue
  chosen_by_build[$FAULT_BUILD]+=" $(chosen_programs "${F_FILE[$i]}" "${F_HINTS[$i]}" | xargs)"
done
for build in "${!chosen_by_build[@]}"; do
  # Test files added since the build dir was made need their targets.
  cmake -S "$ROOT" -B "$build" >>"$LOG_DIR/baseline.log" 2>&1 || { echo "cmake cannot configure $build"; exit 2; }
  baseline "$build" $(echo "${chosen_by_build[$build]}" | tr ' ' '\n' | awk 'NF && !seen[$0]++')
done
echo "baseline passed ($(($(date +%s) - start)) s)"

for i in "${!F_FILE[@]}"; do check_fault "$i"; done

# Leave the build dirs holding the program as it is.
for build in "${!chosen_by_build[@]}"; do cmake --build "$build" -j"$JOBS" >/dev/null 2>&1; done

caught=$((${#CAUGHT_OWN[@]} + ${#CAUGHT_FALLBACK[@]}))
echo
echo "faults: ${#F_FILE[@]}, time: $(($(date +%s) - start)) s, logs in $LOG_DIR"
echo "caught: $caught (by the tests they name or their folder's: ${#CAUGHT_OWN[@]}, by the fallback: ${#CAUGHT_FALLBACK[@]})"
echo "survived: ${#SURVIVED[@]}, skipped: ${#SKIPPED[@]}, not found: ${#NOT_FOUND[@]}, not built: ${#NOT_BUILT[@]}, list errors: ${#LIST_ERRORS[@]}"
for entry in "${SURVIVED[@]}"; do echo "SURVIVED: $entry"; done
for entry in "${SKIPPED[@]}"; do echo "SKIPPED: $entry"; done
for entry in "${NOT_FOUND[@]}"; do echo "NOT FOUND: $entry"; done
for entry in "${NOT_BUILT[@]}"; do echo "NOT BUILT: $entry"; done
for entry in "${LIST_ERRORS[@]}"; do echo "LIST ERROR: $entry"; done
failures=$((${#SURVIVED[@]} + ${#SKIPPED[@]} + ${#NOT_FOUND[@]} + ${#NOT_BUILT[@]} + ${#LIST_ERRORS[@]}))
if [ $failures -eq 0 ]; then
  echo "every fault caught"
  exit 0
fi
echo "CHECK FAILED: $failures of the faults were not caught as they should be"
exit 1
