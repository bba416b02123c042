#!/usr/bin/env bash
# The whole game as a player runs it (as ./run.sh starts it, nothing hidden
# from the driver), at 1280x720 under a virtual X server with Mesa, once with
# anti-aliasing 0 and once with the shipped 4. The real binary, with the frame
# watch preloaded: the work of each frame (its time between buffer swaps less
# the frame pacer's sleep; median and 99th percentile) with the shell in hand
# in the hub, the dark corridor and the sister's hall, and in the hall with 20
# masks in the hub; start-up to the first frame and to the menu; peak memory.
# Then, in the same run, bench_wholegame: the game's frame against Irrlicht's
# bare drawAll of the same nodes, and the logic's share.
# Prints a table: figure, value, goal.
# Usage: bench/game_benchmark.sh [build folder]   (run by hand; not part of ./test.sh)
source "$(dirname "$0")/gamerun.sh"

# The title menu's selected first entry ("Continue", drawn white): W H X Y.
MENU_ENTRY_AREA="130 32 64 372"
# Name and map cell; the dark corridor last, as its floor takes the hero after 7.7 s.
SPOTS=("hub 251 247" "sister_hall 294 250" "dark_corridor 312 250")
MEASURE_SECONDS=4
SHIPPED_AA=4
# Median frame work goals by anti-aliasing level.
declare -A FRAME_GOAL=([0]="<= 16.7 ms" [4]="<= 33 ms")
ROWS="$ARTIFACTS/rows.txt"
: >"$ROWS"

enemy_line() {
  local i line=""
  for i in $(seq 0 19); do line+="create(\"ENEMY_1\", ($((250 + i % 5)), $((243 + 2 * (i / 5)))), 1, $((400 + i)));"; done
  echo "$line"
}
# CPU time of all the game's threads so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$GAME_PID/stat"; }
# Places the hero at the cell, lets the scene settle, and keeps the frames' time
# window and the CPU time spent in it.
measure_at() { # name x y
  run_script_lines "placeCharacter(0, ($2, $3)); heal();"
  sleep 1
  local begin ticks
  begin=$(now_ns)
  ticks=$(cpu_ticks)
  sleep "$MEASURE_SECONDS"
  echo "$1 $begin $(now_ns) $(($(cpu_ticks) - ticks))" >>"$WINDOWS"
}
# Median and 99th percentile of the frames' work in the window, in ms, and the frame count.
frame_stats() { # begin end
  awk -v b="$1" -v e="$2" '$1 == "frame" && $2 >= b && $2 <= e {print $3}' "$FRAMES" | sort -n |
    awk '{v[NR] = $1} END {p = int(NR * 0.99); if (p < NR * 0.99) p++; printf "%.2f %.2f %d\n", v[int((NR + 1) / 2)] / 1000, v[p] / 1000, NR}'
}
stamp() { awk -v kind="$1" '$1 == kind {print $2; exit}' "$FRAMES"; }
seconds_since_launch() { awk -v t="$1" -v l="$LAUNCH" 'BEGIN {printf "%.3f", (t - l) / 1e9}'; }
cpu_per_frame() { awk -v t="$1" -v n="$2" -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.1f", n ? t * 1000 / hz / n : 0}'; }
row() { printf '%-52s %20s   %s\n' "$@"; }

# One run of the real game with that anti-aliasing level; its rows go to $ROWS.
play_with_aa() { # aa
  local aa="$1" name begin end ticks median p99 count goal
  FRAMES="$ARTIFACTS/frames_aa$aa.txt"
  WINDOWS="$ARTIFACTS/windows_aa$aa.txt"
  : >"$WINDOWS"
  make_work_tree "$(test_ini 1280 720 | sed "s/^aa=0\$/aa=$aa/")"
  LAUNCH=$(now_ns)
  FRAMEWATCH_FILE="$FRAMES" FRAMEWATCH_PROBE="$MENU_ENTRY_AREA" LD_PRELOAD="$BUILD/bench/libframewatch.so" start_game
  wait_for_window Belgarune
  menu_drawn() { grep -q '^probe ' "$FRAMES"; }
  wait_until 60 menu_drawn || fail "the menu's entries were never drawn"
  new_game
  # The shell in hand, as through nearly all of the game: the note sheet is shown.
  run_script_lines 'addItem("INST")'
  for spot in "${SPOTS[@]}"; do
    # shellcheck disable=SC2086
    measure_at $spot
  done
  run_script_lines "$(enemy_line)"
  measure_at sister_hall_20_masks_in_hub 294 250
  game_alive
  local peak
  peak="$(peak_kb)"
  close_window
  wait_for_exit
  [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(tail -n 5 stderr.txt)"
  grep -h "Software renderer" "$WORK"/logs/*.txt >"$ARTIFACTS/renderer_aa$aa.txt" || true
  cd "$ARTIFACTS"
  rm -rf "$WORK"

  {
    row "first frame drawn (first buffer swap), aa=$aa" "$(seconds_since_launch "$(stamp first)") s" "<= 1 s"
    row "menu entries drawn, aa=$aa" "$(seconds_since_launch "$(stamp probe)") s" "(splash: 7.5 s by design)"
    while read -r name begin end ticks; do
      read -r median p99 count < <(frame_stats "$begin" "$end")
      goal="median ${FRAME_GOAL[$aa]}"
      case "$name" in *masks*) goal="(no goal)" ;; esac
      row "frame work, $name, aa=$aa (median / p99)" "$median / $p99 ms" "$goal ($count frames)"
      row "  CPU time of all threads per frame" "$(cpu_per_frame "$ticks" "$count") ms" "(all threads; less bound to the load than the wall time)"
    done <"$WINDOWS"
    if [ "$aa" -eq "$SHIPPED_AA" ]; then goal="<= 300 MB"; else goal="(goal at aa=$SHIPPED_AA)"; fi
    row "peak memory (VmHWM), aa=$aa" "$((peak / 1024)) MiB" "$goal"
  } >>"$ROWS"
}

play_with_aa 0
play_with_aa "$SHIPPED_AA"

cd "$ARTIFACTS"
"$BUILD/bench/bench_wholegame" --benchmark_out=wholegame.csv --benchmark_out_format=csv >wholegame.txt 2>&1 ||
  fail "bench_wholegame failed: $(tail -n 5 wholegame.txt)"
# The counter $2 of the benchmark whose name holds $1.
counter() {
  awk -F, -v name="/$1/" -v key="\"$2\"" '
    $1 == "name" { for (i = 1; i <= NF; i++) column[$i] = i; next }
    column[key] && index($1, name) { printf "%.2f", $(column[key]); exit }' wholegame.csv
}

echo
echo "renderer: $(cat renderer_aa0.txt 2>/dev/null | head -n 1 | sed 's/^.*Software/Software/')"
echo "machine load: $(uptime)"
row "figure" "value" "goal"
cat "$ROWS"
for spot in hub dark_corridor sister_hall sister_hall_without_shell; do
  row "in-process frame / bare drawAll, $spot" \
    "$(counter "$spot" frame_ms) / $(counter "$spot" bare_ms) ms = $(counter "$spot" ratio)" "<= 1.1"
done
row "in-process logic, 20 masks chasing in the hub" "$(counter hub_20_enemies logic_ms) ms" "<= 1 ms"
row "in-process logic, 20 masks, hero in the hall" "$(counter sister_hall_20_enemies logic_ms) ms" "<= 1 ms"
row "in-process logic, no added masks, hub" "$(counter hub logic_ms) ms" "<= 1 ms"
