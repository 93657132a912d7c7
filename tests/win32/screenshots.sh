#!/usr/bin/env bash
# Kalvex.exe on the tests' X server, used with its keys as a person would:
# the main window appears, the mix list opens and closes, a report is saved
# and the message box that says so is captioned with the program's name, the
# About box opens from the "?" menu with the pointer on its first link, and
# Escape closes both windows, which ends the program. A screenshot of each
# step is kept for a person to look at.
#
#   screenshots.sh WINE_RUN STATE KALVEX_EXE FOLDER
set -euo pipefail
wine_run=$1 state=$2 program=$3 folder=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -s "$state/display" ] || fail "the tests' X server is not running (fixture wine)"
export DISPLAY=":$(cat "$state/display")"
mkdir -p "$folder"
rm -f "$folder"/*.png

"$wine_run" "$state" "$program" &
runner=$!
trap 'kill "$runner" 2>/dev/null || true' EXIT
window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
shot() {
  sleep 1  # painted
  import -window root "$folder/$1.png"
  echo "screenshot: $folder/$1.png"
}

main=$(window "KALVEX - V 4\\.0") || fail "no main window"
shot main-window
# The mix list has the focus: F4 opens it, Escape closes it. The pointer
# stays off the list, whose rows would follow it.
xdotool mousemove 0 0
xdotool key F4
shot mix-list-open
xdotool key Escape
# File > "Salva...": the save dialog, a name typed in, then the message box,
# captioned "Kalvex" as the program file is named.
report='C:\users\kalvex-screenshots.txt'
unix_report="$state/prefix/drive_c/users/kalvex-screenshots.txt"
rm -f "$unix_report"
xdotool key alt Return Return
# (The system's dialog speaks Wine's language: it is known by having the focus.)
focused=
for _ in $(seq 200); do
  focused=$(xdotool getwindowfocus getwindowname 2>/dev/null || true)
  [ -n "$focused" ] && [ "$focused" != "KALVEX - V 4.0" ] && break
  sleep 0.1
done
[ -n "$focused" ] && [ "$focused" != "KALVEX - V 4.0" ] || fail "no save dialog"
xdotool key ctrl+a
xdotool type --delay 10 "$report"
xdotool key Return
window Kalvex >/dev/null || fail "no message box captioned Kalvex after saving: $(xdotool search --onlyvisible --name . getwindowname %@ | paste -sd '|')"
shot saved-message-box
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Kalvex$' >/dev/null 2>&1 || break
  sleep 0.1
done
[ -s "$unix_report" ] || fail "the report was not saved"
rm -f "$unix_report"
# "?" > "Informazioni...": the menu bar from the keyboard, the second menu,
# past "Aiuto..." and the separator.
xdotool key alt Right Down Down Return
about=$(window "Informazioni") || fail "the About box did not open"
eval "$(xdotool getwindowgeometry --shell "$about")"
# The mail link lies 40 dialog units in and 40 down: a little right of the
# middle of the box's left half, at about a third of its height.
xdotool mousemove $((X + WIDTH / 4)) $((Y + HEIGHT * 40 / 100))
shot about-box
xdotool key Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Informazioni$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Informazioni$' >/dev/null 2>&1 && fail "Escape did not close the About box"
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$runner" 2>/dev/null && fail "Escape in the main window did not end the program"
wait "$runner" || fail "the program ended with status $?"
trap - EXIT
echo "main window, mix list and About box shown; Escape ended the program"
