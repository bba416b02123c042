# Helpers of the end-to-end tests that play the shipped level by keys
# (sourced after lib.sh). Screenshots are named "$SHOT_PREFIX-<name>".

# No sound device is needed to play; the game runs on silently without one.
export ALSOFT_DRIVERS=null
SHOT_PREFIX="${SHOT_PREFIX:-play}"

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
# Plays the tone keys $@ one after another, well within the two seconds a song allows between tones.
play() {
  local key
  for key in "$@"; do
    xdotool keydown "$key"; sleep 0.3; xdotool keyup "$key"; sleep 0.2
  done
}
shot() { screenshot "$SHOT_PREFIX-$1"; }
# Where notices and the pick-up prompt are drawn, left of the map.
CAPTION_STRIP=500x60+100+455
# Whether the screenshot $1 shows a caption.
caption_in() { [ "$(near_white_pixels "$SHOT_PREFIX-$1" "$CAPTION_STRIP")" -gt 100 ]; }
caption_shown() { shot caption-probe; caption_in caption-probe; }
caption_gone() { ! caption_shown; }
# Waits until no notice is shown, so that the next caption seen is new.
wait_for_quiet_captions() { wait_until 30 caption_gone || fail "a caption stays on screen"; }
caption_width() { near_white_width "$SHOT_PREFIX-$1" "$CAPTION_STRIP"; }
# The letters of the caption strip (pixels within 2% of pure white, which
# no lit floor or fog reaches in numbers) of the screenshot $2 differ from
# those of $1: letters came or went on a standing view.
strip_changed() {
  local differing shot
  shot "$2"
  for shot in "$1" "$2"; do
    convert "$ARTIFACTS/$SHOT_PREFIX-$shot.png" -crop "$CAPTION_STRIP" +repage -fuzz 2% -fill black \
      +opaque "rgb(255,255,255)" "$WORK/strip-$shot.png"
  done
  differing="$(compare -metric AE "$WORK/strip-$1.png" "$WORK/strip-$2.png" null: 2>&1 | cut -d' ' -f1 || true)"
  [ "${differing%.*}" -gt 300 ]
}
# Near-white letters among the menu's entries at the left of a new
# screenshot; only the open menu draws them there.
menu_open() { screenshot menu-probe; [ "$(near_white_pixels menu-probe 110x120+40+295)" -gt 20 ]; }
menu_closed() { screenshot menu-probe; [ "$(near_white_pixels menu-probe 110x120+40+295)" -eq 0 ]; }
# The title menu's first entry, shown before a game is started.
menu_shown() { screenshot probe; convert "$ARTIFACTS/probe.png" -crop 110x30+40+300 +repage -colorspace Gray \
  -threshold 90% -format "%[fx:round(mean*w*h)]" info: | awk '{ exit !($1 > 20) }'; }
# Whether the keys are the hero's: Escape opens the menu within three
# seconds, while a scene ignores it; an opened menu is closed again at once.
keys_are_his() {
  local deadline=$(( $(now_ms) + 3000 ))
  xdotool key Escape
  until menu_open; do [ "$(now_ms)" -lt "$deadline" ] || return 1; done
  xdotool key Escape
  wait_until 30 menu_closed || fail "the menu stays open"
}
# Waits for each new caption (letters unlike the last one's), and as soon as
# one shows while the keys are the hero's, plays the song $3... and waits for
# the song's own caption, a line shorter by a fifth. A caption that asks for
# the song while a scene still holds the keys fails the test: no new caption
# comes after it. The caption played on is kept as the screenshot $1.
sing_on_cue() {
  local cue="$1" name="$2" width _; shift 2
  new_caption() { strip_changed last-caption "$cue" && caption_in "$cue"; }
  heard() { shot heard && caption_in heard && [ "$(caption_width heard)" -lt $((width * 4 / 5)) ]; }
  shot last-caption
  for _ in 1 2 3 4 5 6 7 8; do
    wait_until 30 new_caption || fail "no caption came that let the hero play $name"
    if keys_are_his; then
      width="$(caption_width "$cue")"
      play "$@"
      wait_until 3 heard || fail "$name, played as its words showed, was not heard"
      return 0
    fi
    cp "$ARTIFACTS/$SHOT_PREFIX-$cue.png" "$ARTIFACTS/$SHOT_PREFIX-last-caption.png"
  done
  fail "$name: too many captions while the keys were taken"
}
# Waits until the scene or death $2 gives the hero the keys back, looking
# first after $1 seconds: a scene ignores Escape, play opens the menu with
# it, and the menu is closed again. Escape toggles the menu, and a press that
# a slow game takes only after its try gave up undoes the next one: so each
# try waits twice as long as the one before, and the menu counts as closed
# once it has stayed closed for half as long as the last try waited.
wait_for_control() {
  local least="$1" name="$2" patience=4 deadline=$(( $(date +%s) + 240 ))
  sleep "$least"
  until { xdotool key Escape; wait_until "$patience" menu_open; }; do
    [ "$(date +%s)" -lt "$deadline" ] || fail "the keys never came back after $name"
    patience=$(( patience < 16 ? patience * 2 : 16 ))
  done
  stays_closed() { wait_until "$patience" menu_closed && ! wait_until $((patience / 2)) menu_open; }
  deadline=$(( $(date +%s) + 120 ))
  until { xdotool key Escape; stays_closed; }; do
    [ "$(date +%s)" -lt "$deadline" ] || fail "the menu stays open after $name"
  done
}
# Strongly red pixels of the hearts at the top left of the screenshot $1.
heart_pixels() {
  convert "$ARTIFACTS/$SHOT_PREFIX-$1.png" -crop 120x50+0+0 +repage -fx "r > 0.6 && g < 0.3 && b < 0.3" \
    -format "%[fx:round(mean*w*h)]" info:
}
