#!/usr/bin/env bash
# Starts the program on a real X server (Xvfb), as a user would see it:
# waits for the main window to be mapped, checks that printing was not set up
# on the way (CUPS not loaded), keeps a screenshot, checks that the
# window shows something, presses F1 (the help must be handed to the desktop
# opener) and clicks the menu bar while the opener is still busy (the click
# must open the menu once the opener has answered), closes the window with
# Escape and checks the exit status.
#
# Usage: x11_smoke.sh PROGRAM HELP_FILE OUTPUT_FOLDER
# Exits 77 (skipped) when the X tools are not installed.
set -euo pipefail

program=$(realpath "$1")
help_file=$(realpath "$2")
output=$3
caption='KALVEX - V 4.0'

for tool in xvfb-run xauth xdotool import convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

mkdir -p "$output"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program looks for its help in the folder it is started in. A stand-in
# for the desktop opener notes what it was asked to open, then takes its
# time, as a browser starting up does.
mkdir "$work/run" "$work/bin"
cp "$help_file" "$work/run/KALVEX.HLP"
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
sleep 1.5
EOF
chmod +x "$work/bin/xdg-open"

# The session, run inside the X server. Every wait is bounded.
cat >"$work/session.sh" <<'EOF'
set -u
program=$1 work=$2 output=$3 caption=$4
fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

cd "$work/run"
PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb "$program" >"$output/program.log" 2>&1 &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name "^${caption//./\\.}\$" | head -n 1)
[ -n "$window" ] || fail "no window titled '$caption' was mapped within 30 s"
echo "window $window mapped"

# Nothing at start-up looks for printers: CUPS and the toolkit's print
# plugins come in with File > Stampa... only.
loaded=$(grep -oE '[^/ ]*(libcups|/printsupport/)[^ ]*' "/proc/$pid/maps" | sort -u | tr '\n' ' ')
[ -z "$loaded" ] || fail "printing was set up at start-up: $loaded"

# Give the window a moment to paint, then photograph the whole screen.
sleep 1
import -window root "$output/screenshot.png" || fail "import could not take the screenshot"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at ${X},${Y}, ${WIDTH} x ${HEIGHT}"
colours=$(convert "$output/screenshot.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format '%k' info:)
echo "the window area holds $colours colours"
[ "$colours" -ge 8 ] || fail "the window area is blank ($colours colours)"

xdotool windowfocus --sync "$window" || fail "could not focus the window"

# F1, and while the opener is busy a click on "File" at the left of the menu
# bar (the window has no frame without a window manager).
xdotool key F1
sleep 0.3
xdotool mousemove $((X + 15)) $((Y + 10)) click 1
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ -s "$work/opened" ] || fail "F1 handed nothing to the desktop opener"
opened=$(head -n 1 "$work/opened")
echo "F1 opened $opened"
[ "$opened" = "$work/run/KALVEX.HLP" ] || fail "F1 opened '$opened' instead of the help file"

windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
for _ in $(seq 50); do [ "$(windows)" -ge 2 ] && break; sleep 0.1; done
[ "$(windows)" -ge 2 ] || fail "the click on the menu bar during F1 was lost: no menu opened within 5 s"
echo "the click made during F1 opened the File menu"
import -window root "$output/menu_after_f1.png" || fail "import could not take the screenshot"
xdotool key Escape
for _ in $(seq 20); do [ "$(windows)" -eq 1 ] && break; sleep 0.1; done
[ "$(windows)" -eq 1 ] || fail "Escape did not close the menu"
# The menu bar keeps the keyboard until a second Escape.
xdotool key Escape
sleep 0.3

xdotool key Escape
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running 10 s after Escape"
wait "$pid"
status=$?
echo "the program ended with status $status"
[ "$status" -eq 0 ] || fail "exit status $status"
EOF

# -a picks a free display; -noreset keeps the server up between clients.
status=0
timeout 120 xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
  bash "$work/session.sh" "$program" "$work" "$(realpath "$output")" "$caption" || status=$?
if [ -s "$output/program.log" ]; then
  echo "--- program output"
  cat "$output/program.log"
fi
exit $status
