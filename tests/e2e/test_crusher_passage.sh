#!/usr/bin/env bash
# The crusher corridor and the vault of the shipped level, played by keys in
# the real binary. A short intro of the test's own hands the hero his shell
# and the Requiem and puts him north of the corridor, looking east: Q and E
# step north and south. The first time he walks on past the stone's warning
# without the song, and the stone kills him; he wakes at the corridor's
# mouth, and on the next approach the warning comes again. The Requiem,
# played the moment its words show, carries him under the stone into the
# vault, whose scene runs to its end while he keeps walking and presses
# keys: the Minuet's six notes show on the sheet, words follow them, and the
# Minuet, played once the keys are back, is heard as a song he has learnt.
source "$(dirname "$0")/lib.sh"
SHOT_PREFIX=crusher
source "$(dirname "$0")/play.sh"

make_work_tree "$(test_ini 800 600)"
# The level's own scripts, but for the intro.
link_all_but gamedata scripts
link_all_but gamedata/scripts intro.omx
cat > "$WORK/gamedata/scripts/intro.omx" <<'EOF'
setState("GAME");
setGameState("GAMEPLAY");
addItem("INST");
gotSong(6);
$requiemKnown = "1";
placeCharacter(0, (260, 251));
EOF

# Coloured notes on the sheet at the top of the screenshot $1.
notes_on_sheet() {
  convert "$ARTIFACTS/$SHOT_PREFIX-$1.png" -crop 400x100+200+10 +repage -colorspace HSL -channel G -separate \
    +channel -threshold 60% -morphology Open Disk:2 -define connected-components:area-threshold=150 \
    -define connected-components:verbose=true -connected-components 8 null: | grep -c "gray(255)" || true
}

start_game
wait_for_window Belgarune
expect_script "start.omx" 30
wait_until 60 menu_shown || fail "the title menu never came"
xdotool key Down Return # "New game"
expect_script "the intro"
wait_for_control 1 "the intro"
shot 01-start
hearts_at_start="$(heart_pixels 01-start)"
[ "$hearts_at_start" -gt 20 ] || fail "no hearts found at the top left"

# South until the warning stops him; then on without the song, under the stone.
hold_until_script "the crusher's warning" 30 e
wait_until 10 caption_shown || fail "the warning's words never showed"
shot 02-warning
# Dying, the screen is black; he lets go at once, so that he wakes standing.
screen_black() { shot dark && convert "$ARTIFACTS/$SHOT_PREFIX-dark.png" -colorspace Gray -format "%[fx:mean]" info: |
  awk '{ exit !($1 < 0.08) }'; }
xdotool keydown e
wait_until 60 screen_black || { xdotool keyup e; fail "the stone never caught him"; }
release e
shot 03-caught
lost_a_heart() { shot hearts && [ "$(heart_pixels hearts)" -lt $((hearts_at_start * 8 / 10)) ]; }
wait_until 30 lost_a_heart || fail "the death cost no heart"
# The heart goes as the keys come back, and the black lifts within a second.
# Scripts so far: start.omx, the intro, the warning, the stone (kill1.omx),
# the death's reset.omx and its hint; and the cell door's, when he came under
# the stone far enough before it caught him.
sleep 1.5
SCRIPTS="$(scripts_started)"
door_sunk=$(( SCRIPTS == 7 ? 1 : 0 ))
shot 04-awake

# The next approach: the words come again, and the Requiem played at once is
# heard; he walks on south, under the stone and into the vault's scene.
hold_until_script "the crusher's warning after the death" 30 e
sing_on_cue 05-warning-again "Mother's Requiem" l k j h g
heard_at="$(now_ms)"
shot 06-requiem
xdotool keydown e
expect_script "the crusher's fall" 20
[ "$door_sunk" -eq 1 ] || expect_script "the cell door" 20
expect_script "the vault's scene" 30
echo "the vault's scene began $(( ($(now_ms) - heard_at) / 1000 )) s after the Requiem was heard"

# The scene, with the walking key still held, the space key and tone keys
# pressed: its camera and notes are its own to the end.
most_notes=0
words_after_notes=0
for i in $(seq 1 24); do
  shot "07-vault-$i"
  notes="$(notes_on_sheet "07-vault-$i")"
  [ "$notes" -gt "$most_notes" ] && most_notes="$notes"
  if [ "$most_notes" -ge 6 ] && caption_in "07-vault-$i"; then words_after_notes=1; fi
  xdotool key space h j
  sleep 0.5
done
release e
echo "the vault's scene showed at most $most_notes notes"
[ "$most_notes" -ge 6 ] || fail "the Minuet's six notes never showed together"
[ "$words_after_notes" -eq 1 ] || fail "no words followed the Minuet's notes"
wait_for_control 1 "the vault's scene"
shot 08-after-vault
[ "$(heart_pixels 08-after-vault)" -gt $((hearts_at_start * 5 / 10)) ] || fail "a second heart was lost"

# The Minuet is his: played in the vault, where no trigger waits for it, it is heard.
wait_for_quiet_captions
play h j k h j k
wait_until 5 caption_shown || fail "the Minuet, played after the vault's scene, was not heard"
shot 09-minuet
close_window
wait_for_exit
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS: $(cat "$WORK/stderr.txt")"
