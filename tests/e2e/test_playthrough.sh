#!/usr/bin/env bash
# The game's acceptance test: the whole level played by key presses, from the
# splash through "New game" to the finale, whose end() closes the game with
# status 0. The hero never turns, so he always looks east: W and S walk east
# and west, Q and E step north and south. Every leg ends against a wall or
# slides along one into the opening it is after, so small timing errors do
# not add up. Each scene, song and door is checked through the scripts it
# starts; screenshots of the way are kept in the artifact folder. On one leg
# the hero walks into a mask's sight on purpose and dies once.
source "$(dirname "$0")/lib.sh"

make_work_tree "$(test_ini 800 600)"
# No sound device is needed to play; the game runs on silently without one.
export ALSOFT_DRIVERS=null

scripts_started() { grep -c "insert new skript!" "$WORK/stdout.txt" || true; }
SCRIPTS=0
# Waits until the next script has started; $1 names it for the failure message.
expect_script() {
  SCRIPTS=$((SCRIPTS + 1))
  started() { [ "$(scripts_started)" -ge "$SCRIPTS" ]; }
  wait_until "${2:-20}" started || fail "$1 never started ($(scripts_started) scripts ran, $SCRIPTS expected)"
}
# Lets go of the keys $@ and waits a moment, so that the game sees them up
# before the next leg presses any of them again.
release() {
  xdotool keyup "$@"
  sleep 0.25
}
# Holds the keys $2... for $1 seconds.
hold() {
  local seconds="$1"; shift
  xdotool keydown "$@"
  sleep "$seconds"
  release "$@"
}
# Holds the keys $3... until the script $1 has started, at most $2 seconds.
hold_until_script() {
  local name="$1" seconds="$2"; shift 2
  xdotool keydown "$@"
  SCRIPTS=$((SCRIPTS + 1))
  started() { [ "$(scripts_started)" -ge "$SCRIPTS" ]; }
  wait_until "$seconds" started || { xdotool keyup "$@"; fail "walking never reached $name"; }
  release "$@"
}
# Holds the keys $2... for $1 seconds, singing a tone every second and a half
# to hold the grey floors' darkness back.
walk_singing() {
  local seconds="$1" _; shift
  xdotool keydown "$@"
  for _ in $(seq 1 $((seconds * 2 / 3))); do play g; sleep 1; done
  release "$@"
}
# Holds the keys $3..., singing as above, until the script $1 has started, at most $2 seconds.
walk_singing_until_script() {
  local name="$1" seconds="$2" _; shift 2
  SCRIPTS=$((SCRIPTS + 1))
  xdotool keydown "$@"
  for _ in $(seq 1 $((seconds * 2 / 3))); do
    [ "$(scripts_started)" -ge "$SCRIPTS" ] && break
    play g; sleep 1
  done
  release "$@"
  [ "$(scripts_started)" -ge "$SCRIPTS" ] || fail "walking never reached $name"
}
# Plays the tone keys $@ one after another, well within the two seconds a song allows between tones.
play() {
  local key
  for key in "$@"; do
    xdotool keydown "$key"; sleep 0.3; xdotool keyup "$key"; sleep 0.2
  done
}
# Plays the song $2... until the script $1 it fires has started, at most three times.
sing_for_script() {
  local name="$1" _; shift
  SCRIPTS=$((SCRIPTS + 1))
  for _ in 1 2 3; do
    play "$@"
    started() { [ "$(scripts_started)" -ge "$SCRIPTS" ]; }
    wait_until 3 started && return 0
  done
  fail "playing $* never started $name"
}
# Plays a song with an effect twice: once its effect runs, the tone keys rest,
# so the second time only counts when the first was not recognised.
sing_twice() { play "$@"; sleep 2.2; play "$@"; }
shot() { screenshot "playthrough-$1"; }
# Pixels that differ between the areas WxH+X+Y ($3) of the screenshots $1 and $2.
changed_pixels() {
  convert "$ARTIFACTS/playthrough-$1.png" -crop "$3" +repage "$WORK/area1.png"
  convert "$ARTIFACTS/playthrough-$2.png" -crop "$3" +repage "$WORK/area2.png"
  compare -metric AE -fuzz 15% "$WORK/area1.png" "$WORK/area2.png" null: 2>&1 | cut -d' ' -f1 || true
}
# Strongly red pixels of the hearts at the top left of the screenshot $1.
heart_pixels() {
  convert "$ARTIFACTS/playthrough-$1.png" -crop 120x50+0+0 +repage -fx "r > 0.6 && g < 0.3 && b < 0.3" \
    -format "%[fx:round(mean*w*h)]" info:
}

begin=$(date +%s)
start_game
wait_for_window Belgarune
expect_script "start.omx" 30
menu_shown() { screenshot probe; convert "$ARTIFACTS/probe.png" -crop 110x30+40+300 +repage -colorspace Gray \
  -threshold 90% -format "%[fx:round(mean*w*h)]" info: | awk '{ exit !($1 > 20) }'; }
wait_until 60 menu_shown || fail "the title menu never came"
shot 01-menu
xdotool key Down Return # "New game"
expect_script "the intro"
sleep 10
shot 02-intro
sleep 34 # the intro's scene: camera flight, the tale, the Prelude shown

# The prologue room: the shell two cells south and three east of the start.
hold 1.6 e
hold 2.4 w
xdotool key space
sleep 0.5
shot 03-shell
# North-east through the room's door into the hub, up to its north-east corner.
hold 13 w q
# The map lies one cell south of the north wall, five cells west of the corner.
hold 0.96 e
hold 4.16 s
xdotool key space
sleep 0.5
shot 04-map
# The map, once carried, is drawn at the bottom right.
[ "$(changed_pixels 03-shell 04-map 200x150+600+450)" -gt 500 ] || fail "the map was not picked up"
# On purpose into the gallery mask's sight: down the hub to its south wall,
# west into its south-west corner, then north along the west wall, which lets
# him through the gallery's door. The mask sounds its alarm, hunts him down
# and kills him: reset.omx and its hint start, a heart is lost, and he wakes
# at the hub's resting place, looking east along the row of the bars' corridor.
hearts_at_start="$(heart_pixels 03-shell)"
[ "$hearts_at_start" -gt 20 ] || fail "no hearts found at the top left"
hold 10 e
hold 2 s
xdotool keydown s q
sleep 3
shot 04a-gallery # the door to the hub, seen from inside, unless he is caught already
# A slow machine makes long frames, over which a hunting mask may step past
# him a few times before it comes within its reach.
expect_script "the death's reset.omx" 90
release s q
shot 04b-caught
expect_script "the hint after the death"
sleep 6 # the death's four seconds and the wake-up
shot 04c-respawn
hearts_after_death="$(heart_pixels 04c-respawn)"
[ "$hearts_after_death" -lt $((hearts_at_start * 8 / 10)) ] || fail "the death cost no heart"
[ "$hearts_after_death" -gt $((hearts_at_start * 5 / 10)) ] || fail "the death cost more than one heart"
# From the resting place east along the corridor to the bars, where the
# Prelude lifts them.
hold 4.5 w
hold 1.5 w e
sing_for_script "the bars' song trigger" g h j l j
sleep 2
shot 05-bars
# Along the corridor to its end and north through the door into the mother's
# room, up to the chasm, where the hero waits inside her scene's area.
hold 11 w
hold_until_script "the mother's room" 10 q
shot 06-mother
sleep 20
# Her room: out of the doorway, against the west wall and the chasm, then to
# the violin key.
hold 1 q
hold 3 s
hold 3 q
hold 0.96 w
hold 0.96 e
xdotool key space
sleep 0.5
shot 07-violin-key

# Out through the door, back along the corridor into the hub.
hold 1 e
hold 4.5 w e
hold 11.5 s
# Down the hub's east wall, into the east corridor and the crusher corridor's
# east wall, a few steps in, where the corridor's warning stops him and shows
# him the stone; back north against the east corridor's wall for a known start.
hold 1 e
hold 2 w
hold 10 w e
expect_script "the crusher's warning" 5
shot 08-crusher-warning
sleep 5 # until the warning gives him back the keys
hold 2.5 q
shot 08a-crusher-corridor
# Mother's Requiem slows the crusher while the hero passes under it; the cell
# door at the corridor's end sinks when he stands before it.
hold 2.56 e
sing_twice l k j h g
xdotool keydown e
expect_script "the crusher's fall" 20
shot 09-crusher
expect_script "the cell door" 20
release e
sleep 3
hold_until_script "the vault" 20 s e
shot 10-vault
sleep 23
# The bass key on its pedestal in the vault's north-east corner.
hold 3 e
hold 0.96 q
hold 3.5 w
xdotool key space
sleep 0.5
shot 11-bass-key
# Back through the cell door and, under the Requiem again, north past the crusher.
hold 4.5 q s
sing_twice l k j h g
xdotool keydown q
expect_script "the crusher's second fall" 20
sleep 15 # on up to the east corridor's north wall
release q
# East along the corridor to the queen's hall; her song at her stone.
hold_until_script "the queen's hall" 30 w
shot 12-queen
sleep 15
sing_for_script "the queen's stone" j l k l j
sleep 1
shot 13-heal
# The stone gives back the heart the gallery's mask took.
[ "$(heart_pixels 13-heal)" -ge $((hearts_at_start * 9 / 10)) ] || fail "the queen's stone did not heal"
sleep 1
# On to the sister's hall and its pit, which the Minuet of Growth bridges.
hold 10 w
sing_for_script "the bridge" h j k h j k
sleep 4
shot 14-bridge
hold_until_script "the sister's scene" 10 w
shot 15-sister
sleep 19
# Ode to Sol before the stone door sinks it; wait until its light is spent.
hold 5.5 w
sing_for_script "the stone door" g j l g j l
shot 16-door
sleep 10
# The dark corridor: tones hold the grey floor's darkness back; the first
# dark run, along the corridor's north side, ends in the niche, where the
# darkness recedes; then down to the south side, whose wall row the darkness
# is read from, and east to the king's room.
xdotool keydown w
sleep 1.2 # through the doorway before leaning on the corridor's north wall
walk_singing 16 q
release w
shot 17-niche
sleep 6
hold 4 e
walk_singing_until_script "the king's room" 45 w
shot 18-king
# No heart was lost after the stone's healing. A lost heart takes a third of
# them; the rest differ by a few edge pixels.
[ "$(heart_pixels 18-king)" -ge $((hearts_at_start * 9 / 10)) ] || fail "the hero lost hit points on the way"
sleep 22
# Her song with all three keys: the finale, whose end() closes the game.
sing_for_script "the finale" k h g h k
sleep 7
shot 19-finale
# The finale's light fills the screen before the game closes.
bright_pixels="$(convert "$ARTIFACTS/playthrough-19-finale.png" -crop 600x300+100+100 +repage -colorspace Gray \
  -threshold 95% -format "%[fx:round(mean*w*h)]" info:)"
[ "$bright_pixels" -gt 150000 ] || fail "the finale's white light never came ($bright_pixels bright pixels)"
wait_for_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
echo "PASS: played through in $(( $(date +%s) - begin )) s"
