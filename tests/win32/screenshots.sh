#!/usr/bin/env bash
# Kalvex.exe on the tests' X server, used with its keys as a person would:
# the main window appears, F1 opens the help, the mix list opens and closes,
# a report is saved
# and the message box that says so is captioned with the program's name, the
# About box opens from the "?" menu with the pointer on its first link, and
# Escape closes both windows, which ends the program. A screenshot of each
# step is kept for a person to look at.
#
#   screenshots.sh WINE_RUN STATE KALVEX_EXE FOLDER
set -euo pipefail
wine_run=$1 state=$2 program=$3 folder=$4
# A failure keeps a picture of the screen as it was.
fail() {
  echo "FAIL: $*" >&2
  [ -z "${folder:-}" ] || import -window root "$folder/failure.png" 2>/dev/null || true
  exit 1
}
[ -s "$state/display" ] || fail "the tests' X server is not running (fixture wine)"
export DISPLAY=":$(cat "$state/display")"
mkdir -p "$folder"
rm -f "$folder"/*.png
folder=$(cd "$folder" && pwd)

# The web browser, for the help: a program that notes the file it was given.
# The prefix's other file types are as on Windows 10: .HLP files go to
# WinHelp, which has no reader for them there.
wine() { "$wine_run" "$state" "$@" </dev/null >/dev/null 2>&1; }
noted="$state/prefix/drive_c/users/kalvex-help-opened.txt"
rm -f "$noted"
# (What .htm files went to before comes back at the end.)
browser=$("$wine_run" "$state" reg query 'HKCR\.htm' /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p') || true
wine reg add 'HKCR\.htm' /ve /d KalvexScreenshots.Page /f
wine reg add 'HKCR\KalvexScreenshots.Page\shell\open\command' /ve \
  /d 'C:\windows\system32\cmd.exe /c echo %1> C:\users\kalvex-help-opened.txt' /f
cleanup() {
  kill "$runner" 2>/dev/null || true
  wine reg delete 'HKCR\KalvexScreenshots.Page' /f || true
  if [ -n "$browser" ]; then wine reg add 'HKCR\.htm' /ve /d "$browser" /f; else wine reg delete 'HKCR\.htm' /f; fi || true
  rm -f "$noted"
}

# Started in its folder, where the build put the help, as the Start menu
# starts it.
cd "$(dirname "$program")"
"$wine_run" "$state" "$program" &
runner=$!
trap cleanup EXIT
# The window of that name, once it is shown. (A search fails now and then
# when a window goes away while it runs: it is asked again.)
window() {
  local found
  for _ in $(seq 200); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] && echo "$found" && return 0
    sleep 0.1
  done
  return 1
}
# Waits until the window with the keyboard focus is (or, with "not", is not)
# the one named; keys typed before would go elsewhere.
focus() {
  local name
  for _ in $(seq 200); do
    name=$(xdotool getwindowfocus getwindowname 2>/dev/null || true)
    if [ "$1" = not ]; then [ -n "$name" ] && [ "$name" != "$2" ] && return 0; else [ "$name" = "$1" ] && return 0; fi
    sleep 0.1
  done
  return 1
}
shot() {
  sleep 1  # painted
  import -window root "$folder/$1.png"
  echo "screenshot: $folder/$1.png"
}

main=$(window "KALVEX - V 4\\.0") || fail "no main window"
shot main-window
# F1: the help's HTML copy, as .HLP would reach WinHelp.
xdotool key F1
for _ in $(seq 100); do
  [ -s "$noted" ] && break
  sleep 0.1
done
opened=$(tr -d '\r' <"$noted" 2>/dev/null | sed 's/ *$//') || true
[[ "$opened" == *'\KALVEX.HTM' ]] || fail "F1 opened '$opened', not KALVEX.HTM"
# The browser took the focus: a click on the caption gives it back.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 8)) click 1
focus "KALVEX - V 4.0" || fail "the main window did not get the focus back"
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
focus not "KALVEX - V 4.0" || fail "no save dialog"
sleep 0.5
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
focus "KALVEX - V 4.0" || fail "the main window did not get the focus back"
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
