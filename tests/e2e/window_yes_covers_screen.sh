#!/usr/bin/env bash
# Answering Yes (Return chooses the first button) gives a borderless window as large as
# the screen, whatever the 800 by 600 asked for; Escape then ends with exit code 0.
# Usage: window_yes_covers_screen.sh DEMO_BINARY
source "$(dirname "$0")/../../scripts/e2e-common.sh"

e2e_start_xvfb
e2e_start_demo_answering "$1" yes
window="$E2E_WINDOW"

expected="0 0 $E2E_SCREEN_WIDTH $E2E_SCREEN_HEIGHT"
geometry=""
for _ in $(seq 1 50); do  # the desktop-sized state may settle a moment after mapping
  geometry="$(e2e_window_geometry "$window")"
  [ "$geometry" = "$expected" ] && break
  sleep 0.1
done
[ "$geometry" = "$expected" ] || e2e_fail "window at/size $geometry, expected $expected"

e2e_key "$window" Escape
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = "0" ] || e2e_fail "exit code $E2E_EXIT_CODE after Escape"
e2e_log "pass"
