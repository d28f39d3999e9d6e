#!/usr/bin/env bash
# Closing the window (Alt+F4: the system's close command, then WM_CLOSE, then the window's
# destruction) ends the program with exit code 0.
# Usage: window_alt_f4_closes.sh DEMO_BINARY
source "$(dirname "$0")/../../scripts/e2e-common.sh"

e2e_start_xvfb
e2e_start_demo_answering "$1" no
window="$E2E_WINDOW"
e2e_key "$window" alt+F4
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = "0" ] || e2e_fail "exit code $E2E_EXIT_CODE after Alt+F4"
e2e_log "pass"
