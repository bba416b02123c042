#!/usr/bin/env bash
# The generated level pieces, props and masks rendered with real OpenGL: every group
# draws (no missing mesh or texture) and fills its picture with varied colour.
source "$(dirname "$0")/lib.sh"

SHOWCASE="$GAME_TREE/../tools/asset_showcase"
[ -x "$SHOWCASE" ] || fail "no showcase program at $SHOWCASE"
"$SHOWCASE" "$GAME_TREE" "$ARTIFACTS/showcase" >"$ARTIFACTS/showcase.log" 2>&1 || fail "showcase: $(grep -v '^Loaded' "$ARTIFACTS/showcase.log" | tail -5)"
if grep -q "cannot load" "$ARTIFACTS/showcase.log"; then fail "$(grep "cannot load" "$ARTIFACTS/showcase.log")"; fi
if grep -qi "could not open file of texture" "$ARTIFACTS/showcase.log"; then fail "$(grep -i "could not open" "$ARTIFACTS/showcase.log")"; fi

for group in walls doors floors_panels props masks; do
  picture="$ARTIFACTS/showcase/showcase_$group.png"
  [ -s "$picture" ] || fail "no picture of $group"
  colours=$(identify -format '%k' "$picture")
  spread=$(identify -format '%[fx:standard_deviation]' "$picture")
  echo "$group: $colours colours, spread $spread"
  [ "$colours" -gt 500 ] || fail "$group drew almost nothing ($colours colours)"
  awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "$group is nearly flat (spread $spread)"
done
echo "PASS"
