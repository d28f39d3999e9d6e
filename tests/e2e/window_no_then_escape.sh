#!/usr/bin/env bash
# Answering No gives the captioned 800 by 600 window at the screen's corner, titled as the
# demo is; its frames are drawn; Escape ends the program with exit code 0.
# Usage: window_no_then_escape.sh DEMO_BINARY
source "$(dirname "$0")/../../scripts/e2e-common.sh"

e2e_start_xvfb
e2e_start_demo_answering "$1" no
window="$E2E_WINDOW"
[ "$(xdotool getwindowname "$window")" = "$E2E_TITLE" ] || e2e_fail "title is \"$(xdotool getwindowname "$window")\""

# Without a window manager the X window is the client area: 3 pixels of border and a
# 16-pixel caption around it make the 800 by 600 outer window at (0, 0).
read -r x y w h <<<"$(e2e_window_geometry "$window")"
[ "$x $y $w $h" = "3 19 794 578" ] || e2e_fail "client area at $x,$y size ${w}x$h, expected 3,19 794x578"

# The loop clears to black each pass; the root around it stays white.
sleep 0.5
e2e_screenshot "$E2E_TMP/shot.png"
inside="$(e2e_pixel "$E2E_TMP/shot.png" 10 25)"
outside="$(e2e_pixel "$E2E_TMP/shot.png" 1000 800)"
[ "$inside" = "0,0,0" ] || e2e_fail "window corner is $inside, expected black"
[ "$outside" = "255,255,255" ] || e2e_fail "screen outside the window is $outside, expected white"

e2e_key "$window" Escape
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = "0" ] || e2e_fail "exit code $E2E_EXIT_CODE after Escape"
e2e_log "pass"
