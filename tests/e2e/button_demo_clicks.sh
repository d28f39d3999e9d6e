#!/usr/bin/env bash
# The image button example under a real X server, driven with xdotool and checked on
# screenshots: the status bar shows its text; hovering shows the hover face and pressing the
# pressed face; only the button's shape reacts; a release inside posts the command (the
# example prints "command <id>" and changes the background), a release outside posts nothing.
# Usage: button_demo_clicks.sh BUTTON_DEMO_BINARY
# e2e-target: button_demo
source "$(dirname "$0")/../../scripts/e2e-common.sh"

example="$1"
E2E_TITLE="Pulsanti immagine"

# Where the example puts things, in its window's client coordinates (see
# examples/button_demo/main.cpp): the round button (64 x 64) at (40, 40), the diamond
# (80 x 80) at (140, 32).
ROUND_IN="60 72"          # inside the round face's body
DIAMOND_IN="180 60"       # inside the diamond's body
DIAMOND_CORNER="145 36"   # inside the diamond's rectangle, outside its shape
AWAY="400 300"            # the GL picture, away from both buttons
BACKGROUND="500 30"       # background pixel of the GL picture

# Face colours written by tools/button_faces.
ROUND_N="40,90,200"; ROUND_H="80,150,255"; ROUND_P="20,50,120"
DIAMOND_N="200,120,30"; DIAMOND_H="255,170,60"; DIAMOND_P="120,70,10"
BACKGROUND_0="30,40,50"; BACKGROUND_1="50,90,40"

e2e_start_xvfb
e2e_start_demo "$example"
window="$(e2e_wait_window "$E2E_TITLE")"
read -r WX WY WW WH <<<"$(e2e_window_geometry "$window")"
e2e_log "window $window at $WX,$WY size ${WW}x$WH"

# Moves the pointer to $1 ("X Y" in client coordinates) in two steps: while a button holds
# the capture, the first move only tells that button that the pointer left it, and the
# window under the pointer hears the second.
move() {
  local x y
  read -r x y <<<"$1"
  xdotool mousemove --window "$window" $((x + 1)) "$y"
  sleep 0.1
  xdotool mousemove --window "$window" "$x" "$y"
}

# Waits up to 10 s until the client pixel $2 ("X Y") has the colour $3; $1 names the probe.
expect_colour() {
  local what="$1" x y colour="" shot="$E2E_TMP/probe.png"
  read -r x y <<<"$2"
  local deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    e2e_screenshot "$shot"
    colour="$(e2e_pixel "$shot" $((WX + x)) $((WY + y)))"
    [ "$colour" = "$3" ] && { e2e_log "$what: $colour"; return 0; }
    sleep 0.2
  done
  e2e_fail "$what: pixel ($x, $y) is $colour, expected $3"
}

commands_posted() { grep -c "^command $1\$" "$E2E_DEMO_LOG" || true; }

# Waits up to 10 s for the count of "command $1" lines to reach $2.
expect_commands() {
  local deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ "$(commands_posted "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  e2e_fail "expected $2 command(s) $1, saw $(commands_posted "$1")"
}

# 1. At rest: both normal faces, and the status bar's first part says "Percorso file".
move "$AWAY"
expect_colour "round at rest" "$ROUND_IN" "$ROUND_N"
expect_colour "diamond at rest" "$DIAMOND_IN" "$DIAMOND_N"
expect_colour "background at start" "$BACKGROUND" "$BACKGROUND_0"
e2e_screenshot "$E2E_TMP/rest.png"
# Ink (dark pixels) in the first part of the bar, along the bottom 22 pixels of the client.
ink="$(convert "$E2E_TMP/rest.png" -crop "180x14+$((WX + 4))+$((WY + WH - 18))" -colorspace gray \
  -threshold 50% -format '%[fx:round(1000*(1-mean))]' info:)"
e2e_log "status text ink: $ink per mille"
[ "$ink" -gt 20 ] || e2e_fail "no text in the status bar's first part (ink $ink)"

# 2. Hover shows the hover face; the pointer over the diamond's magenta corner is not over
#    the diamond, so it stays normal (and the round button, which leaves hover, is normal).
move "$ROUND_IN"
expect_colour "round hovered" "$ROUND_IN" "$ROUND_H"
move "$DIAMOND_CORNER"
expect_colour "round left" "$ROUND_IN" "$ROUND_N"
expect_colour "diamond corner is outside the shape" "$DIAMOND_IN" "$DIAMOND_N"
move "$DIAMOND_IN"
expect_colour "diamond hovered" "$DIAMOND_IN" "$DIAMOND_H"

# 3. Press shows the pressed face; the release inside posts the command.
move "$ROUND_IN"
expect_colour "round hovered again" "$ROUND_IN" "$ROUND_H"
xdotool mousedown 1
expect_colour "round pressed" "$ROUND_IN" "$ROUND_P"
xdotool mouseup 1
expect_commands 101 1
expect_colour "background after the round button's command" "$BACKGROUND" "$BACKGROUND_1"
expect_colour "round after the click" "$ROUND_IN" "$ROUND_N"

# 4. Press on the diamond, drag away, release outside: nothing is posted.
move "$DIAMOND_IN"
expect_colour "diamond hovered before the press" "$DIAMOND_IN" "$DIAMOND_H"
xdotool mousedown 1
expect_colour "diamond pressed" "$DIAMOND_IN" "$DIAMOND_P"
move "$AWAY"
expect_colour "diamond dragged off" "$DIAMOND_IN" "$DIAMOND_N"
xdotool mouseup 1
sleep 1
[ "$(commands_posted 102)" = "0" ] || e2e_fail "a release outside the diamond posted a command"

# 5. A full click on the diamond posts its own command.
move "$DIAMOND_IN"
expect_colour "diamond hovered for the click" "$DIAMOND_IN" "$DIAMOND_H"
xdotool click 1
expect_commands 102 1
[ "$(commands_posted 101)" = "1" ] || e2e_fail "the diamond's click reached the round button"

e2e_key "$window" Escape
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = "0" ] || e2e_fail "exit code $E2E_EXIT_CODE after Escape"
e2e_log "pass"
