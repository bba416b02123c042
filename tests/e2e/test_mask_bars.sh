#!/usr/bin/env bash
# A mask paces at closed bars that stand between it and the hero while the
# game is starved: stopped again and again for 0.1 to 0.3 s, so that every
# stop is one long frame. The bars hold it: the hero lives. The same level
# without the bars: the mask walks up to him and kills him.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/masklevel.sh"

# The hero on x 100; the mask's line runs from x 108 west through the bars on
# x 104 to x 102, 20 units from him: it walks into the bars and stays there,
# 48 units from him, where the bars also block its sight.
HERO_X=100
LINE="102 108"
BARS_X=104

make_work_tree "$(test_ini 800 600)"
build_level "$HERO_X" $LINE "$BARS_X"
new_game
screenshot mask-bars-coming
starve_game 25 reset_ran
reset_ran && fail "the mask came through the bars and killed the hero"
screenshot mask-bars-held
end_game

make_work_tree "$(test_ini 800 600)"
build_level "$HERO_X" $LINE
new_game
starve_game 120 reset_ran
wait_until 60 reset_ran || fail "without the bars the mask never killed the hero"
screenshot mask-bars-open-caught
end_game
echo "PASS"
