#!/usr/bin/env bash
# Splash, title menu and options of the real binary, driven by keys under a virtual X server.
source "$(dirname "$0")/lib.sh"

# The splash and the menu are shown by the dungeon logic; without it in the game there is nothing to drive.
if ! grep -qa "DungeonGameLogic" "$GAME_TREE/belgarune"; then
  echo "SKIP: the game does not run the dungeon logic yet"
  exit 77
fi

# Areas of an 800 x 600 window: the middle where the logos appear, and the
# first and seventh row of the entries (the seventh exists on the options page only).
LOGO_AREA="500x240+150+180"
FIRST_ROW="110x30+40+300"
SEVENTH_ROW="110x24+40+468"

# Pixels of the area WxH+X+Y of the screenshot $1 brighter than $3 percent grey.
pixels_above() {
  convert "$ARTIFACTS/$1.png" -crop "$2" +repage -colorspace Gray -threshold "$3%" \
    -format "%[fx:round(mean*w*h)]" info:
}
lit_pixels() { pixels_above "$1" "$2" 15; }
# The selected entry is drawn white.
bright_pixels() { pixels_above "$1" "$2" 90; }

logo_shown() { screenshot probe; [ "$(lit_pixels probe "$LOGO_AREA")" -gt 500 ]; }
menu_shown() { screenshot probe; [ "$(bright_pixels probe "$FIRST_ROW")" -gt 20 ]; }
options_shown() { screenshot probe; [ "$(lit_pixels probe "$SEVENTH_ROW")" -gt 20 ]; }
options_gone() { ! options_shown; }
# The selected entry, drawn white, is gone from the entries' place.
menu_gone() { screenshot probe; [ "$(bright_pixels probe "110x240+40+300")" -eq 0 ]; }
volume_is() { grep -qx "volume=$1" game.ini; }

# The whole game: its level behind the menu, the strip and the title over it.
make_work_tree "$(test_ini 800 600)"
start_game
wait_for_window Belgarune

wait_until 30 logo_shown || fail "no logo in the middle of the window"
logo_seen=$(now_ms)
cp "$ARTIFACTS/probe.png" "$ARTIFACTS/menu-e2e-splash.png"
[ "$(bright_pixels menu-e2e-splash "$FIRST_ROW")" -eq 0 ] || fail "the menu's entries show during the splash"

wait_until 60 menu_shown || fail "the menu never came after the splash"
menu_seen=$(now_ms)
cp "$ARTIFACTS/probe.png" "$ARTIFACTS/menu-e2e-main.png"
echo "menu $((menu_seen - logo_seen)) ms after the first logo was seen"
# The first logo appears 1000 ms into the splash, the menu at 7500 ms.
[ $((menu_seen - logo_seen)) -ge 6000 ] || fail "the menu came $((menu_seen - logo_seen)) ms after the first logo"

# Options, volume down: game.ini says so at once.
xdotool key Down Down Return
wait_until 30 options_shown || fail "the options page did not open"
xdotool key Left
wait_until 30 volume_is 90 || fail "game.ini does not hold the new volume: $(cat game.ini)"
screenshot menu-e2e-options
expected="$(test_ini 800 600 | sed 's/^volume=100$/volume=90/')"
[ "$(cat game.ini)" = "$expected" ] || fail "game.ini after the change: $(cat game.ini)"
[ "$(wc -l < game.ini)" -eq 15 ] || fail "game.ini has $(wc -l < game.ini) lines"

# Back to the main page, on to "New game": the menu gives way to the game.
xdotool key Escape
wait_until 30 options_gone || fail "Escape did not leave the options page"
xdotool key Up Return
wait_until 30 menu_gone || fail "the menu stayed after New game"
screenshot menu-e2e-game

close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat stderr.txt)"
echo "PASS"
