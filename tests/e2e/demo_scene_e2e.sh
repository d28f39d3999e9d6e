#!/usr/bin/env bash
# The whole demo under Xvfb, driven with xdotool as a person would: answer No, look at the
# scene, check that an idle moment and the keypad's digits change nothing, hold key 1 and
# then key 2 and see the static and then the fractal tree change, drag with each button and
# see the view change, and end with Escape and exit code 0.
#
# Usage: demo_scene_e2e.sh DEMO_BINARY [PICTURE_DIR]   (PICTURE_DIR keeps the screenshots)
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-common.sh"

DEMO="$1"
PICTURES="${2:-$E2E_TMP}"
mkdir -p "$PICTURES"

# Regions of the 794 by 578 client area as "WIDTH HEIGHT X Y" from its top-left corner: the
# static tree stands left of the centre, the fractal tree right of it.
LEFT="280 300 100 20"
RIGHT="300 320 420 0"

# Fingerprint of the demo window's picture, or of one region of it.
capture_hash() {
  if [ $# -eq 4 ]; then
    import -window "$WIN" -crop "${1}x${2}+${3}+${4}" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
  else
    import -window "$WIN" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
  fi
}

# The same, taken until two captures in a row agree, so that a capture made while a frame
# is being put on the screen does not count.
picture_hash() {
  local a b
  a="$(capture_hash "$@")"
  for _ in $(seq 1 20); do
    b="$(capture_hash "$@")"
    if [ "$a" = "$b" ]; then
      echo "$a"
      return 0
    fi
    a="$b"
  done
  e2e_fail "no two captures in a row agree"
}

keep_picture() { import -window "$WIN" "$PICTURES/$1.png" 2>/dev/null || e2e_fail "cannot save $1.png"; }

# Waits until the picture stays the same over three looks 1.5 s apart: the demo handles one
# queued message per frame, so part of the input may still be queued when it ends.
settle() {
  local last now same=0
  last="$(picture_hash)"
  for _ in $(seq 1 40); do
    sleep 1.5
    now="$(picture_hash)"
    if [ "$now" = "$last" ]; then
      same=$((same + 1))
      [ "$same" -ge 2 ] && return 0
    else
      same=0
    fi
    last="$now"
  done
  e2e_fail "the picture never settled"
}

# Waits up to 30 s until the picture differs from the fingerprint $1.
wait_changed() {
  for _ in $(seq 1 100); do
    [ "$(picture_hash)" != "$1" ] && return 0
    sleep 0.3
  done
  return 1
}

# Presses a key (xdotool name) and holds it until the region ("W H X Y") changes, for at
# most 20 seconds. The press and release are sent to the window itself, so the X server adds
# no repeats of its own: the demo handles one message per frame, and on a slow machine
# repeats would queue up behind the release.
hold_until_changed() {
  local key="$1" region="$2" before
  # shellcheck disable=SC2086
  before="$(picture_hash $region)"
  xdotool keydown --window "$WIN" "$key"
  for _ in $(seq 1 100); do
    sleep 0.2
    # shellcheck disable=SC2086
    if [ "$(picture_hash $region)" != "$before" ]; then
      xdotool keyup --window "$WIN" "$key"
      return 0
    fi
  done
  xdotool keyup --window "$WIN" "$key"
  return 1
}

# A drag with button $1 (1 left, 3 right) from the client area's centre by ($2, $3).
drag() {
  local button="$1" dx="$2" dy="$3" i
  xdotool mousemove --window "$WIN" 397 289 mousedown "$button"
  for i in $(seq 1 10); do
    xdotool mousemove --window "$WIN" $((397 + dx * i / 10)) $((289 + dy * i / 10))
  done
  xdotool mouseup "$button"
}

e2e_start_xvfb
e2e_start_demo_answering "$DEMO" no
WIN="$E2E_WINDOW"
e2e_log "demo window $(e2e_window_geometry "$WIN")"
e2e_focus "$WIN"

settle
keep_picture demo-start
start="$(picture_hash)"
# shellcheck disable=SC2086
right="$(picture_hash $RIGHT)"
# Both tree regions show a picture, not a flat colour.
for region in "$LEFT" "$RIGHT"; do
  # shellcheck disable=SC2086
  set -- $region
  colours="$(convert "$PICTURES/demo-start.png" -crop "${1}x${2}+${3}+${4}" +repage -format '%k' info:)"
  [ "$colours" -gt 50 ] || e2e_fail "region $region shows only $colours colours"
done

# With no input, consecutive frames are the same.
sleep 1
[ "$(picture_hash)" = "$start" ] || e2e_fail "the picture changed without input"

# The keypad's 1 and 2 step nothing.
xdotool keydown --window "$WIN" KP_1 keydown --window "$WIN" KP_2
sleep 2
xdotool keyup --window "$WIN" KP_1 keyup --window "$WIN" KP_2
settle
[ "$(picture_hash)" = "$start" ] || e2e_fail "the keypad's digits changed the picture"

# Key 1 steps the static tree only, key 2 the fractal tree only.
hold_until_changed 1 "$LEFT" || e2e_fail "holding key 1 did not change the static tree"
settle
# shellcheck disable=SC2086
[ "$(picture_hash $RIGHT)" = "$right" ] || e2e_fail "key 1 changed the fractal tree"
# shellcheck disable=SC2086
left="$(picture_hash $LEFT)"
hold_until_changed 2 "$RIGHT" || e2e_fail "holding key 2 did not change the fractal tree"
settle
# shellcheck disable=SC2086
[ "$(picture_hash $LEFT)" = "$left" ] || e2e_fail "key 2 changed the static tree"
keep_picture demo-keys

# A left drag turns the scene, a right drag moves it nearer or farther.
before="$(picture_hash)"
drag 1 60 -30
wait_changed "$before" || e2e_fail "the left drag changed nothing"
settle
keep_picture demo-turned
before="$(picture_hash)"
drag 3 0 40
wait_changed "$before" || e2e_fail "the right drag changed nothing"
settle
keep_picture demo-zoomed

# Escape ends the program with exit code 0.
e2e_key "$WIN" Escape
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after Escape"
e2e_log "PASS"
