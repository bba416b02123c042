#!/usr/bin/env bash
# A mask of the test's own level patrols its line in the real binary: one that
# walks towards the hero spots him, hunts him down and kills him, which starts
# reset.omx; one whose line stays beyond its sight leaves him alone, even
# while the game is starved of frames. The hero stands still and looks east
# along the corridor; no console line is used.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/masklevel.sh"

HERO_X=106

# Seen: the line runs from 6 cells east of the hero through his cell to the
# west end, so the mask walks straight at him.
make_work_tree "$(test_ini 800 600)"
build_level "$HERO_X" 100 112
new_game
screenshot mask-hunt-coming
wait_until 60 reset_ran || fail "the mask walking at the hero never killed him"
screenshot mask-hunt-caught
echo "caught: reset.omx started $(( $(scripts_started) - SCRIPTS_BEFORE_DEATH )) time(s)"
end_game

# Out of sight: the line's west end stays 7 cells (70 units) east of the hero,
# beyond the 60 units a mask sees; it paces there and back while he stands.
# Starved frames carry it far in one frame, but never past the end of its line.
make_work_tree "$(test_ini 800 600)"
build_level "$HERO_X" 113 116
new_game
starve_game 15 reset_ran
reset_ran && fail "a mask 70 units away killed the hero"
screenshot mask-hunt-alive
end_game
echo "PASS"
