#!/usr/bin/env bash
# Plants each one-line fault of scripts/mutations.txt in turn, builds, runs the
# test programs of the fault's folder until one fails, restores the file, and
# prints the faults no test caught. Run by hand, like the benchmarks:
#   scripts/mutation-check.sh [build dir] [sanitizer build dir] [fault list]
# Faults marked "build: asan" run in the sanitizer build (skipped without it).
# Needs a display for the render tests; without one it runs itself under xvfb-run.
set -uo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(realpath -m "${1:-$ROOT/build}")"
ASAN_BUILD="$(realpath -m "${2:-$ROOT/build-asan}")"
LIST="$(realpath -m "${3:-$ROOT/scripts/mutations.txt}")"
JOBS="${JOBS:-8}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$BUILD" "$ASAN_BUILD" "$LIST"
fi
export ASAN_OPTIONS=detect_leaks=1
cd "$ROOT" || exit 2

# The test folder that owns a source file: tests/<same path>, the game's top
# level files belong to the view's tests.
owner_folder() {
  local dir
  dir="$(dirname "$1")"
  case "$dir" in
    code/src) echo "tests/code/view" ;;
    code/src/*) echo "tests/code/${dir#code/src/}" | cut -d/ -f1-3 ;;
    *) echo "tests/${dir%%/*}" ;;
  esac
}

# Test program names for test files: tests/code/songs/test_songs.cpp -> code_songs_test_songs.
program_of() { local rel="${1#tests/}"; rel="${rel%.cpp}"; echo "${rel//\//_}"; }

# The programs to run for a fault: its hints first, then the rest of the folder.
programs_for() {
  local file="$1" hints="$2" folder program
  folder="$(owner_folder "$file")"
  for program in $hints; do echo "$program"; done
  for test in "$folder"/test_*.cpp; do
    [ -e "$test" ] || continue
    program="$(program_of "$test")"
    case " $hints " in *" $program "*) ;; *) echo "$program" ;; esac
  done
}

# Builds the program and runs it; 0 when it passes, 1 when it fails or does not build.
run_program() {
  local build="$1" program="$2" log="$3"
  cmake --build "$build" -j"$JOBS" --target "$program" >>"$log" 2>&1 || return 1
  (cd "$build/tests" && timeout 600 "./$program" --gtest_brief=1 >>"$log" 2>&1)
}

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

survivors=()
missing=()
skipped=()
count=0
start=$(date +%s)
LOG_DIR="$BUILD/mutation-logs"
mkdir -p "$LOG_DIR"

check_fault() {
  local file="$1" line="$2" with="$3" hints="$4" build="$5" nth="${6:-}"
  count=$((count + 1))
  local name="$file: $line -> $with"
  if [ ! -f "$file" ]; then missing+=("$name (no such file)"); return; fi
  local matches
  matches="$(LINE="$line" awk '{ t = $0; gsub(/^[ \t]+|[ \t]+$/, "", t); if (t == ENVIRON["LINE"]) n++ }
      END { print n + 0 }' "$file")"
  if { [ -z "$nth" ] && [ "$matches" -ne 1 ]; } || [ "$matches" -lt "${nth:-1}" ]; then
    missing+=("$name (the line is found $matches times)")
    return
  fi
  if [ "$build" = "asan" ]; then
    if [ ! -d "$ASAN_BUILD" ]; then skipped+=("$name (no sanitizer build)"); return; fi
    build="$ASAN_BUILD"
  else
    build="$BUILD"
  fi

  TARGET="$file"
  BACKUP="$(mktemp)"
  cp "$file" "$BACKUP"
  LINE="$line" WITH="$with" NTH="${nth:-1}" awk '{ t = $0; gsub(/^[ \t]+|[ \t]+$/, "", t);
      if (t == ENVIRON["LINE"] && ++n == ENVIRON["NTH"]) { match($0, /^[ \t]*/); print substr($0, 1, RLENGTH) ENVIRON["WITH"] }
      else print }' \
    "$BACKUP" >"$file"

  local log="$LOG_DIR/fault-$count.log" caught="" program
  echo "$name" >"$log"
  for program in $(programs_for "$file" "$hints"); do
    if ! run_program "$build" "$program" "$log"; then caught="$program"; break; fi
  done
  restore
  if [ -n "$caught" ]; then
    echo "caught  [$count] $name  by $caught"
  else
    echo "SURVIVED [$count] $name"
    survivors+=("$name")
  fi
}

# The list: blocks of "file:", "line:", "with:" and optional "tests:" (programs
# to try first), "nth:" (which of several equal lines, else it must be the
# only one) and "build: asan", separated by blank lines; # starts a comment.
file="" line="" with="" hints="" build="" nth=""
flush() {
  if [ -n "$file" ]; then check_fault "$file" "$line" "$with" "$hints" "$build" "$nth"; fi
  file="" line="" with="" hints="" build="" nth=""
}
while IFS= read -r entry || [ -n "$entry" ]; do
  case "$entry" in
    "#"*) ;;
    "") flush ;;
    file:*) file="$(echo "${entry#file:}" | xargs)" ;;
    line:*) line="${entry#line: }" ;;
    with:*) with="${entry#with: }" ;;
    tests:*) hints="${entry#tests:}" ;;
    build:*) build="$(echo "${entry#build:}" | xargs)" ;;
    nth:*) nth="$(echo "${entry#nth:}" | xargs)" ;;
    *) echo "unreadable list line: $entry" >&2 ;;
  esac
done <"$LIST"
flush

# Leave the build dirs holding the program as it is.
cmake --build "$BUILD" -j"$JOBS" >/dev/null 2>&1

echo
echo "faults: $count, time: $(($(date +%s) - start)) s, logs in $LOG_DIR"
for entry in "${missing[@]}"; do echo "LINE NOT FOUND: $entry"; done
for entry in "${skipped[@]}"; do echo "SKIPPED: $entry"; done
for entry in "${survivors[@]}"; do echo "SURVIVOR: $entry"; done
[ ${#survivors[@]} -eq 0 ] && [ ${#missing[@]} -eq 0 ] && echo "no survivor"
[ ${#survivors[@]} -eq 0 ] && [ ${#missing[@]} -eq 0 ]
