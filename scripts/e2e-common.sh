# Helpers for the end-to-end tests, sourced by the scripts in tests/e2e: a private Xvfb on
# a free display, the real demo binary run from app/data, windows found and driven with
# xdotool, screenshots and pixel probes with ImageMagick. No window manager is started, so
# a top-level window's X window is exactly its client area.
#
# Every wait has a timeout; Xvfb, the demo and the temporary folder are removed on exit.
set -euo pipefail

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
E2E_SCREEN_WIDTH=${E2E_SCREEN_WIDTH:-1280}
E2E_SCREEN_HEIGHT=${E2E_SCREEN_HEIGHT:-1024}
E2E_TMP="$(mktemp -d "${TMPDIR:-/tmp}/e2e.XXXXXX")"
E2E_XVFB_PID=""
E2E_DEMO_PID=""
E2E_DEMO_LOG="$E2E_TMP/demo.log"

# The title of the demo's window, and the caption of its start-up question.
E2E_TITLE="Creazione di alberi mediante emulazione statica di frattale e frattale 3D variabile"
E2E_QUESTION_CAPTION="Video!"

e2e_log() { echo "e2e: $*" >&2; }

e2e_fail() {
  echo "e2e: FAIL: $*" >&2
  if [ -s "$E2E_DEMO_LOG" ]; then sed 's/^/e2e: demo said: /' "$E2E_DEMO_LOG" >&2; fi
  exit 1
}

e2e_cleanup() {
  local pid
  for pid in "$E2E_DEMO_PID" "$E2E_XVFB_PID"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# Starts Xvfb on a display it picks itself (-displayfd) and exports DISPLAY.
e2e_start_xvfb() {
  local displayFile="$E2E_TMP/display"
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" -nolisten tcp -wr \
    3>"$displayFile" 2>"$E2E_TMP/xvfb.log" &
  E2E_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$displayFile" ]; then
      export DISPLAY=":$(head -n1 "$displayFile")"
      # Wait until the server answers a client, so the program never races its start.
      local j
      for j in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
      done
      e2e_log "Xvfb on $DISPLAY"
      return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$E2E_TMP/xvfb.log" >&2 || true
  e2e_fail "Xvfb did not start"
}

# Starts the demo binary ($1) from app/data on the X server, with Mesa's software GL.
e2e_start_demo() {
  local demo="$1"
  [ -x "$demo" ] || e2e_fail "no demo binary at $demo"
  demo="$(cd "$(dirname "$demo")" && pwd)/$(basename "$demo")"
  mkdir -p "$E2E_ROOT/app/data"
  (cd "$E2E_ROOT/app/data" && exec env SDL_VIDEODRIVER=x11 LIBGL_ALWAYS_SOFTWARE=1 "$demo") \
    >"$E2E_DEMO_LOG" 2>&1 &
  E2E_DEMO_PID=$!
}

e2e_demo_running() { [ -n "$E2E_DEMO_PID" ] && kill -0 "$E2E_DEMO_PID" 2>/dev/null; }

# Prints the ids of the viewable top-level windows named exactly $1. Names are compared
# whole, as xdotool reads them, rather than through a search pattern.
e2e_find_windows() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x[0-9a-f]+$/ { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && printf '%d\n' "$id"
  done
  return 0
}

# Prints the id of the first viewable window named exactly $1, waiting up to $2 seconds
# (default 20); fails if the demo ends first or time runs out.
e2e_wait_window() {
  local name="$1" timeout="${2:-20}" id
  local deadline=$((SECONDS + timeout))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id="$(e2e_find_windows "$name" | head -n1)"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    e2e_demo_running || e2e_fail "the demo ended while waiting for the window \"$name\""
    sleep 0.1
  done
  e2e_fail "no window \"$name\" within ${timeout}s"
}

# Waits up to $2 seconds (default 10) until no viewable window is named exactly $1.
e2e_wait_window_gone() {
  local name="$1" timeout="${2:-10}"
  local deadline=$((SECONDS + timeout))
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ -z "$(e2e_find_windows "$name")" ] && return 0
    sleep 0.1
  done
  e2e_fail "window \"$name\" still there after ${timeout}s"
}

# Prints "X Y WIDTH HEIGHT" of window $1 in screen coordinates.
e2e_window_geometry() {
  local out
  out="$(xdotool getwindowgeometry --shell "$1")" || e2e_fail "no geometry for window $1"
  eval "$out"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Gives window $1 the keyboard focus and puts the pointer over it, so that key events from
# the XTEST extension reach it without a window manager.
e2e_focus() {
  xdotool mousemove --window "$1" 5 5 >/dev/null
  xdotool windowfocus --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" >/dev/null
}

# Sends the keys (xdotool names, e.g. Escape, Return, alt+F4) to window $1.
e2e_key() {
  local window="$1"
  shift
  e2e_focus "$window"
  xdotool key "$@"
}

# Answers the start-up question box ($1 = its window id) with its first button, Yes, by
# Return, the key of the default button.
e2e_answer_yes() { e2e_key "$1" Return; }

# Answers the box with its second button, No, by clicking it. The box draws its buttons
# side by side, left to right, each framed in the one colour that draws all button
# frames; the last run of frame-coloured columns is the No button.
e2e_answer_no() {
  local box="$1" shot="$E2E_TMP/box.txt" target
  import -window "$box" -depth 8 txt:"$shot" 2>/dev/null || e2e_fail "cannot capture the box"
  target="$(awk -v frame="${E2E_BOX_BUTTON_FRAME:-#8C8781}" '
    $3 == frame || substr($3, 1, 7) == frame {
      split($1, p, /[,:]/); x = p[1] + 0; y = p[2] + 0
      seen[x] = 1
      if (!(x in top) || y < top[x]) top[x] = y
      if (!(x in bottom) || y > bottom[x]) bottom[x] = y
    }
    END {
      n = 0; for (x in seen) xs[++n] = x + 0
      if (n == 0) exit 1
      # sort the columns
      for (i = 2; i <= n; i++) { v = xs[i]; j = i - 1; while (j > 0 && xs[j] > v) { xs[j + 1] = xs[j]; j-- } xs[j + 1] = v }
      start = xs[1]; runs = 1; runStart[1] = start; runEnd[1] = start
      for (i = 2; i <= n; i++) {
        if (xs[i] == runEnd[runs] + 1) runEnd[runs] = xs[i]
        else { runs++; runStart[runs] = xs[i]; runEnd[runs] = xs[i] }
      }
      if (runs < 2) exit 1
      cx = int((runStart[runs] + runEnd[runs]) / 2)
      cy = int((top[cx] + bottom[cx]) / 2)
      print cx, cy
    }' "$shot")" || e2e_fail "could not find the No button in the box"
  e2e_log "clicking No at $target in the box"
  # shellcheck disable=SC2086
  xdotool mousemove --window "$box" $target click 1
}

# Starts the demo ($1), answers its full-screen question with $2 (yes or no) and waits for
# its window, whose id it leaves in E2E_WINDOW.
E2E_WINDOW=""
e2e_start_demo_answering() {
  local box
  e2e_start_demo "$1"
  box="$(e2e_wait_window "$E2E_QUESTION_CAPTION")"
  case "$2" in
    yes) e2e_answer_yes "$box" ;;
    no) e2e_answer_no "$box" ;;
    *) e2e_fail "answer $2 is neither yes nor no" ;;
  esac
  E2E_WINDOW="$(e2e_wait_window "$E2E_TITLE")"
}

# Waits up to $1 seconds (default 20) for the demo to end and leaves its exit code in
# E2E_EXIT_CODE. (Not for a command substitution: only this shell can wait for the demo.)
E2E_EXIT_CODE=""
e2e_wait_exit() {
  local timeout="${1:-20}"
  local deadline=$((SECONDS + timeout))
  while e2e_demo_running; do
    [ "$SECONDS" -lt "$deadline" ] || e2e_fail "the demo did not end within ${timeout}s"
    sleep 0.1
  done
  E2E_EXIT_CODE=0
  wait "$E2E_DEMO_PID" || E2E_EXIT_CODE=$?
  E2E_DEMO_PID=""
}

# Screenshot of the whole screen into $1 (PNG).
e2e_screenshot() { import -window root "$1" 2>/dev/null || e2e_fail "screenshot failed"; }

# Prints the colour of pixel ($2, $3) of image $1 as "R,G,B" (0..255 each).
e2e_pixel() {
  local colour
  colour="$(convert "$1" -format '%[fx:round(255*p{'"$2"','"$3"'}.r)],%[fx:round(255*p{'"$2"','"$3"'}.g)],%[fx:round(255*p{'"$2"','"$3"'}.b)]' info:)" ||
    e2e_fail "cannot read pixel $2,$3 of $1"
  echo "$colour"
}
