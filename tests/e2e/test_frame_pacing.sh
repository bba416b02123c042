#!/usr/bin/env bash
# Frames on a display without swap control (the virtual X server): the game
# shows about 60 frames a second, counted by a preloaded buffer-swap counter,
# instead of as many as it can render, and says once that vertical sync is
# not available instead of logging the refused request as an X error.
source "$(dirname "$0")/lib.sh"

make_work_tree "$(test_ini 800 600)"
export SWAP_COUNT_FILE="$WORK/swaps.txt"
LD_PRELOAD="$TEST_TOOLS/libswapcounter.so" start_game
wait_for_window Belgarune

swaps() { tr -d ' \n' <"$SWAP_COUNT_FILE" 2>/dev/null || true; }
swapping() { [ -n "$(swaps)" ]; }
wait_until 60 swapping || fail "no frame was counted"
sleep 2 # past the first frames, which load the scene

cpu_ticks() { awk '{print $14 + $15}' "/proc/$GAME_PID/stat"; }
frames_before="$(swaps)"; ticks_before="$(cpu_ticks)"; begin=$(date +%s%N)
sleep 4
frames_after="$(swaps)"; ticks_after="$(cpu_ticks)"; end=$(date +%s%N)
fps=$(( (frames_after - frames_before) * 1000000000 / (end - begin) ))
cpu=$(( (ticks_after - ticks_before) * 100 * 1000000000 / $(getconf CLK_TCK) / (end - begin) ))
echo "frames per second: $fps, CPU: $cpu% of one core"
[ "$fps" -le 62 ] || fail "$fps frames per second: frames are not paced"
[ "$fps" -ge 30 ] || fail "only $fps frames per second"

wait_for_log "<console> Vertical sync is not available on this display."
close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after closing: $(cat stderr.txt)"
[ "$(log_count "Vertical sync is not available")" -eq 1 ] || fail "the missing vertical sync is logged more than once"
[ "$(log_count "X error")" -eq 0 ] || fail "X errors in the log: $(grep "X error" "$(the_log)")"
echo "PASS"
