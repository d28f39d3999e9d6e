#!/usr/bin/env bash
# The headless snapshot tool (tools/snapshot) as its README section describes it: it runs the
# demo on SDL's offscreen driver with scripted input and writes the last frame as a PNG; the
# same script gives the same picture, input changes it, and bad options or a demo that ends
# early give their exit codes.
# Usage: snapshot_tool.sh DEMO_BINARY (the tool is found in the same build folder)
source "$(dirname "$0")/../../scripts/e2e-common.sh"

SNAPSHOT="$(dirname "$1")/tools/snapshot/snapshot"
[ -x "$SNAPSHOT" ] || e2e_fail "no snapshot tool at $SNAPSHOT"
DATA="$E2E_ROOT/app/data"

run() { "$SNAPSHOT" --data "$DATA" "$@" >"$E2E_TMP/out.txt" 2>&1; }
region_hash() { convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1; }

# Bad options: usage and exit code 2, nothing written.
for bad in "--frames" "--frames 0" "--frames x" "--hold 1:5:5" "--hold 1:a:3" "--hold ab:0:3" \
  "--drag middle:0:5:1,1:2,2" "--drag left:0:1:1,1:2,2" "--drag left:0:5:1,1" "--size 10"; do
  code=0
  # shellcheck disable=SC2086
  run $bad --out "$E2E_TMP/bad.png" || code=$?
  [ "$code" = 2 ] || e2e_fail "\"$bad\" gave exit code $code, expected 2"
  [ ! -e "$E2E_TMP/bad.png" ] || e2e_fail "\"$bad\" wrote a picture"
done

# The client area of the 800 by 600 window, twice the same for the same script.
run --frames 5 --out "$E2E_TMP/a.png" || e2e_fail "plain run failed: $(cat "$E2E_TMP/out.txt")"
run --frames 5 --out "$E2E_TMP/b.png" || e2e_fail "second plain run failed"
[ "$(identify -format '%wx%h' "$E2E_TMP/a.png")" = "794x578" ] || e2e_fail "picture is not 794x578"
cmp -s "$E2E_TMP/a.png" "$E2E_TMP/b.png" || e2e_fail "the same script gave two pictures"

# Key 2 held for 4 passes steps the fractal tree on the right and leaves the left half.
run --frames 8 --hold 2:0:4 --out "$E2E_TMP/key2.png" || e2e_fail "run with key 2 failed"
[ "$(region_hash "$E2E_TMP/a.png" 397x578+0+0)" = "$(region_hash "$E2E_TMP/key2.png" 397x578+0+0)" ] ||
  e2e_fail "key 2 changed the left half"
[ "$(region_hash "$E2E_TMP/a.png" 397x578+397+0)" != "$(region_hash "$E2E_TMP/key2.png" 397x578+397+0)" ] ||
  e2e_fail "key 2 did not change the fractal tree"

# A left drag turns the whole scene.
run --frames 12 --drag left:0:10:400,300:450,300 --out "$E2E_TMP/drag.png" || e2e_fail "run with a drag failed"
[ "$(region_hash "$E2E_TMP/a.png" 794x578+0+0)" != "$(region_hash "$E2E_TMP/drag.png" 794x578+0+0)" ] ||
  e2e_fail "the drag changed nothing"

# Escape (virtual key 27) ends the demo before the last pass: exit code 1, no picture.
code=0
run --frames 10 --hold 27:1:2 --out "$E2E_TMP/esc.png" || code=$?
[ "$code" = 1 ] || e2e_fail "Escape before the last pass gave exit code $code"
[ ! -e "$E2E_TMP/esc.png" ] || e2e_fail "a picture was written after Escape"

# A data folder that is not there.
code=0
"$SNAPSHOT" --data "$E2E_TMP/none" --out "$E2E_TMP/none.png" >/dev/null 2>&1 || code=$?
[ "$code" = 1 ] || e2e_fail "a missing data folder gave exit code $code"
e2e_log "pass"
