#!/usr/bin/env bash
# The game's acceptance test: the whole level played by key presses, from the
# splash through "New game" to the finale, whose end() closes the game with
# status 0. The hero never turns, so he always looks east: W and S walk east
# and west, Q and E step north and south. A leg ends on something the game
# shows, not after a time: against a wall (the view stands still), where an
# item's pick-up prompt shows, or where a trigger's script starts; a slow
# machine only makes it longer. Each scene, song and door is checked through
# the scripts it starts; screenshots of the way are kept in the artifact
# folder. On one leg the hero walks into a mask's sight on purpose and dies once.
source "$(dirname "$0")/lib.sh"

SHOT_PREFIX=playthrough
source "$(dirname "$0")/play.sh"
make_work_tree "$(test_ini 800 600)"

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
# The near floor and walls, above the captions, in grey: they change at once when the hero moves.
view_probe() {
  screenshot "$1"
  convert "$ARTIFACTS/$1.png" -crop 600x130+100+320 +repage -colorspace Gray "$WORK/$1.png"
}
probes_differ() {
  local differing
  differing="$(compare -metric AE -fuzz 3% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 | cut -d' ' -f1 || true)"
  [ "${differing%.*}" -ge 200 ]
}
# The view stands still: three probes half a second apart hardly differ. A
# starved game may draw no frame for a while, so the probes span a second.
view_still() {
  view_probe still-a
  sleep 0.5
  view_probe still-b
  probes_differ still-a still-b && return 1
  sleep 0.5
  view_probe still-c
  ! probes_differ still-b still-c
}
# Holds the keys $3... for at least $1 seconds, then until the hero stands
# against a wall and the view stands still. A leg that ends against a wall
# loses nothing by walking on, so after $2 seconds the keys are let go
# without failing.
hold_until_still() {
  local least="$1" deadline=$(( $(date +%s) + $2 )); shift 2
  xdotool keydown "$@"
  sleep "$least"
  until view_still || [ "$(date +%s)" -ge "$deadline" ]; do :; done
  release "$@"
}
# Prints the bright caption pixels (a notice or the pick-up prompt) left of
# the map in the screenshot $1; true when there are enough for letters.
caption_letters() {
  convert "$ARTIFACTS/playthrough-$1.png" -crop "$CAPTION_STRIP" +repage -colorspace Gray -threshold 97% \
    -format "%[fx:round(mean*w*h)]" info: | awk '{ print $1; exit !($1 > 100) }'
}
# Caption pixels bright in one of the screenshots $1 and $2 but not in the other.
changed_letters() {
  local shot
  for shot in "$1" "$2"; do
    convert "$ARTIFACTS/playthrough-$shot.png" -crop "$CAPTION_STRIP" +repage -colorspace Gray -threshold 97% \
      "$WORK/letters-$shot.png"
  done
  compare -metric AE "$WORK/letters-$1.png" "$WORK/letters-$2.png" null: 2>&1 | cut -d' ' -f1 || true
}
# Walks with the key $3 for $4 seconds, well short of the item $1, then in
# steps of a few units, at most $2 steps, pressing space after each: an item
# in reach is picked up, and its pick-up prompt leaves the standing view.
# The prompt's letters are told by their going, not by their brightness,
# which a light floor may match. Between steps the hero stands while the
# prompt fades in, so he never walks through an item's reach unseen.
walk_to_item() {
  local name="$1" steps="$2" key="$3" lead="$4" _
  wait_for_quiet_captions
  hold "$lead" "$key"
  for _ in $(seq 1 "$steps"); do
    hold 0.3 "$key"
    sleep 0.7 # the prompt's half-second fade-in
    shot reach-before
    xdotool key space
    if wait_until 2 strip_changed reach-before reach-after; then
      sleep 0.5
      return 0
    fi
  done
  fail "walking never came near $name"
}
# Plays a song with an effect until the caption that names it played shows, at most three times.
sing_until_heard() {
  local name="$1" _; shift
  wait_for_quiet_captions
  for _ in 1 2 3; do
    play "$@"
    wait_until 3 caption_shown && return 0
  done
  fail "playing $* never played $name"
}
# Pixels that differ between the areas WxH+X+Y ($3) of the screenshots $1 and $2.
changed_pixels() {
  convert "$ARTIFACTS/playthrough-$1.png" -crop "$3" +repage "$WORK/area1.png"
  convert "$ARTIFACTS/playthrough-$2.png" -crop "$3" +repage "$WORK/area2.png"
  compare -metric AE -fuzz 15% "$WORK/area1.png" "$WORK/area2.png" null: 2>&1 | cut -d' ' -f1 || true
}
begin=$(date +%s)
start_game
wait_for_window Belgarune
expect_script "start.omx" 30
wait_until 60 menu_shown || fail "the title menu never came"
shot 01-menu
xdotool key Down Return # "New game"
expect_script "the intro"
sleep 10
shot 02-intro
# Camera flight, the tale, the Prelude shown; the words that ask for it come
# with the keys, and the Prelude played at once is heard.
sing_on_cue 02a-intro-asks "the Prelude" g h j l j

# The prologue room: the shell two cells south and three east of the start.
hold 1.6 e
walk_to_item "the shell" 20 w 1.2
shot 03-shell
# South against the room's wall, wherever the shell was reached, then
# north-east: the hero meets the east wall level with the door, or south of
# it and slides north into it, through it into the hub, up to its north-east corner.
hold_until_still 1 8 e
hold_until_still 10 25 w q
# The map lies one cell south of the north wall, five cells west of the corner.
hold 0.96 e
walk_to_item "the map" 20 s 2
shot 04-map
# The map, once carried, is drawn at the bottom right, with the viewer's cell in pure blue.
viewer_pixels="$(convert "$ARTIFACTS/playthrough-04-map.png" -crop 200x150+600+450 +repage -fill black \
  +opaque "rgb(0,0,255)" -format "%[fx:round(mean*w*h)]" info:)"
[ "$viewer_pixels" -gt 4 ] || fail "the map was not picked up"

# Before the Requiem is learnt: south-east down the hub's east wall, into the
# east corridor and the crusher corridor's east wall, until the warning stops
# him; it names the room where the song is learnt.
hold_until_script "the crusher's warning" 30 w e
sleep 2
shot 05-crusher-warning-unlearnt
wait_for_control 1 "the crusher's warning"
# Out to the east corridor, which arms the warning again, and back in: it comes again.
hold_until_script "the warning's re-arming" 10 q
hold_until_script "the crusher's second warning" 10 e
sleep 2
shot 05a-crusher-warning-again
wait_for_control 1 "the crusher's second warning"
# Back to the hub, arming the warning once more on the way: its north-west
# corner, past the resting place.
hold_until_script "the warning's second re-arming" 10 q
hold_until_still 0.5 10 q
hold_until_still 6 20 s
hold_until_still 6 20 q

# On purpose into the gallery mask's sight: down the hub's west wall to its
# south-west corner, then back north along the west wall, which lets him
# through the gallery's door. The mask sounds its alarm, hunts him down and
# kills him: reset.omx and its hint start, a heart is lost, and he wakes at
# the hub's resting place, looking east along the row of the bars' corridor.
hearts_at_start="$(heart_pixels 03-shell)"
[ "$hearts_at_start" -gt 20 ] || fail "no hearts found at the top left"
hold_until_still 10 25 e
xdotool keydown s q
sleep 3
shot 06a-gallery # the door to the hub, seen from inside, unless he is caught already
# A slow machine makes long frames, over which a hunting mask may step past
# him a few times before it comes within its reach.
expect_script "the death's reset.omx" 90
release s q
shot 06b-caught
expect_script "the hint after the death"
wait_for_control 3 "the death" # its four seconds and the wake-up
sleep 1
shot 06c-respawn
hearts_after_death="$(heart_pixels 06c-respawn)"
[ "$hearts_after_death" -lt $((hearts_at_start * 8 / 10)) ] || fail "the death cost no heart"
[ "$hearts_after_death" -gt $((hearts_at_start * 5 / 10)) ] || fail "the death cost more than one heart"
# Where he wakes, the bars are in sight: the Prelude played there lifts them.
sing_for_script "the bars' song trigger" g h j l j
sleep 2
shot 07-bars
# East along the corridor to its end, north through the door into the
# mother's room, up to the chasm, where the hero waits inside her scene's area.
hold_until_still 13 30 w
hold_until_script "the mother's room" 10 q
shot 08-mother
wait_for_control 13 "the mother's scene"
# Her room: a step in from the doorway, then west to the violin key.
hold 1 q
walk_to_item "the violin key" 20 s 0
shot 09-violin-key

# Out through the door into the corridor's east end, back along it into the hub.
hold 1 e
hold_until_still 3 15 w e
hold_until_still 9 25 s
# Down the hub's east wall, into the east corridor and the crusher corridor's
# east wall, until the warning stops him, which now names the song.
hold 1 e
hold 2 w
hold_until_script "the crusher's warning with the song" 30 w e
# Mother's Requiem, played the moment the warning's words show, slows the
# crusher while the hero walks straight on south under it; the cell door
# across the corridor sinks before he reaches it, and the vault's scene
# starts in its doorway.
sing_on_cue 10-crusher-warning "Mother's Requiem" l k j h g
heard_at=$(date +%s)
shot 11-requiem
xdotool keydown e
expect_script "the crusher's fall" 20
sleep 1
shot 11a-crusher
# The stone falls behind him and speaks of no death: the caption is still the
# song's, or gone.
if caption_letters 11a-crusher >/dev/null; then
  [ "$(changed_letters 11-requiem 11a-crusher)" -lt 100 ] || fail "a caption came as the stone fell"
fi
expect_script "the cell door" 20
expect_script "the vault's scene" 30
release e
echo "the vault's scene began $(( $(date +%s) - heard_at )) s after the Requiem was heard"
shot 12-vault
wait_for_control 16 "the vault's scene"
# The bass key on its pedestal in the vault's north-east: south to the chasm,
# a step north, then east to it.
hold_until_still 2 8 e
hold 0.96 q
walk_to_item "the bass key" 20 w 3
shot 13-bass-key
# Against the vault's north wall, a little west towards the cell door, and
# under the Requiem north past the crusher, up to the east corridor's north wall.
hold_until_still 0.5 6 q
hold 1.5 s
sing_until_heard "Mother's Requiem" l k j h g
xdotool keydown q s
expect_script "the crusher's second fall" 20
release s
hold_until_still 6 20 q
# East along the corridor to the queen's hall; her song at her stone.
hold_until_script "the queen's hall" 30 w
shot 14-queen
wait_for_control 10 "the queen's scene"
sing_for_script "the queen's stone" j l k l j
sleep 1
shot 15-heal
# The stone gives back the heart the gallery's mask took.
[ "$(heart_pixels 15-heal)" -ge $((hearts_at_start * 9 / 10)) ] || fail "the queen's stone did not heal"
sleep 1
# On to the sister's hall and its pit, which the Minuet of Growth bridges.
hold_until_still 7 20 w
sing_for_script "the bridge" h j k h j k
sleep 4
shot 16-bridge
hold_until_script "the sister's scene" 10 w
shot 17-sister
wait_for_control 12 "the sister's scene"
# Ode to Sol before the stone door sinks it; wait until its light is spent.
hold_until_still 4 12 w
sing_for_script "the stone door" g j l g j l
shot 18-door
sleep 10
# The dark corridor: tones hold the grey floor's darkness back; the first
# dark run, along the corridor's north side, ends in the niche, where the
# darkness recedes; then down to the south side, whose wall row the darkness
# is read from, and east to the king's room.
xdotool keydown w
sleep 1.2 # through the doorway before leaning on the corridor's north wall
walk_singing 20 q
release w
shot 19-niche
sleep 6
hold_until_still 3 8 e
walk_singing_until_script "the king's room" 45 w
shot 20-king
# No heart was lost after the stone's healing. A lost heart takes a third of
# them; the rest differ by a few edge pixels.
[ "$(heart_pixels 20-king)" -ge $((hearts_at_start * 9 / 10)) ] || fail "the hero lost hit points on the way"
wait_for_control 16 "the king's scene"
# Her song with all three keys: the finale, whose end() closes the game.
sing_for_script "the finale" k h g h k
# Light grey to white pixels of the middle of the screenshot $1.
bright_pixels() {
  convert "$ARTIFACTS/playthrough-$1.png" -crop 600x300+100+100 +repage -colorspace Gray -threshold 95% \
    -format "%[fx:round(mean*w*h)]" info:
}
# A caption can be read in the screenshot $1: its letters are bright, and most of its band is not.
caption_readable() {
  local letters
  letters="$(caption_letters "$1")" && [ "$letters" -lt 10000 ]
}
first_words() { shot 21-finale-words; caption_readable 21-finale-words; }
wait_until 10 first_words || fail "the finale's first words cannot be read"
# The finale's light fills the screen.
full_light() { shot 21a-finale-light; [ "$(bright_pixels 21a-finale-light)" -gt 170000 ]; }
wait_until 20 full_light || fail "the finale's white light never came"
# Then it fades to dark, where the last words show.
last_words() {
  shot 21b-finale-last-words
  [ "$(bright_pixels 21b-finale-last-words)" -lt 20000 ] && caption_readable 21b-finale-last-words
}
wait_until 20 last_words || fail "the finale's last words cannot be read"
wait_for_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
echo "PASS: played through in $(( $(date +%s) - begin )) s"
