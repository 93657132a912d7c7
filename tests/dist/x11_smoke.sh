#!/usr/bin/env bash
# Starts the program on a real X server (Xvfb), as a user would see it, with
# an empty home folder of its own and the desktop in Italian:
#  1. the program of the build folder, started beside its help: waits for
#     the main window to be mapped, checks that neither printing (the print
#     module, the toolkit's print support, CUPS) nor the toolkit's
#     translations were loaded on the way, keeps a screenshot,
#     checks that the window shows something, presses F1 (the help must be
#     handed to the desktop opener) and clicks the menu bar while the opener
#     is still busy (the click must open the menu once the opener has
#     answered), saves the report with File > "Salva..."
#     and Enter (the save dialog must come up in Italian; its screenshot is
#     kept too), closes the window with Escape and checks the exit status;
#  2. the program installed into a prefix, started in a folder without the
#     help: F1 must hand over the installed help, and File > "Stampa..."
#     must open the installed print module (no printer: CUPS is pointed at
#     a server that is not there);
#  3. the home folder must still be empty.
# Both run as on a GNOME desktop, with a session bus (whose services, the
# settings store among them, share the home folder): the toolkit loads the
# desktop's GTK theme where it is installed.
#
# Usage: x11_smoke.sh BUILD_FOLDER OUTPUT_FOLDER
# Exits 77 (skipped) when the X tools are not installed.
set -euo pipefail

build=$(realpath "$1")
output=$2
caption='KALVEX - V 4.0'

for tool in xvfb-run xauth xdotool import convert dbus-run-session; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

mkdir -p "$output"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The build's program looks for its help in the folder it is started in;
# the installed one finds its own. A stand-in for the desktop opener notes
# what it was asked to open, then takes its time, as a browser starting up
# does.
mkdir "$work/run" "$work/elsewhere" "$work/bin" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/KALVEX.HLP" "$work/run/KALVEX.HLP"
cmake --install "$build" --component kalvex --prefix "$work/prefix" >/dev/null 2>&1
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
sleep 1.5
EOF
chmod +x "$work/bin/xdg-open"

# The session, run inside the X server. Every wait is bounded.
cat >"$work/session.sh" <<'EOF'
set -u
work=$1 output=$2 caption=$3 program=$4
theme=$(compgen -G '/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so' || true)
fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# Starts PROGRAM in FOLDER and waits for its main window.
start() {
  cd "$2"
  PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb XDG_CURRENT_DESKTOP=GNOME CUPS_SERVER=/nonexistent/cups.sock "$1" \
    >>"$output/program.log" 2>&1 &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "^${caption//./\\.}\$" | head -n 1)
  [ -n "$window" ] || fail "no window titled '$caption' was mapped within 30 s"
  echo "window $window of $1 mapped"
  if [ -n "$theme" ]; then
    grep -qF "$theme" "/proc/$pid/maps" || fail "the desktop's GTK theme was not loaded"
    echo "with the desktop's GTK theme"
  fi
}

# Waits for a window of the program other than the main window and than
# $2 (if given), focuses it and names it in $found.
other_window() {
  found=
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx -e "$window" -e "${2:-$window}" |
      head -n 1 || true)
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || fail "no $1 appeared"
  sleep 0.5
  xdotool windowfocus --sync "$found" || fail "could not focus the $1"
}

# F1 in the main window; the opener must be handed $1.
press_help() {
  rm -f "$work/opened"
  xdotool windowfocus --sync "$window" || fail "could not focus the window"
  xdotool key F1
  for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
  [ -s "$work/opened" ] || fail "F1 handed nothing to the desktop opener"
  opened=$(head -n 1 "$work/opened")
  echo "F1 opened $opened"
  [ "$opened" = "$1" ] || fail "F1 opened '$opened' instead of $1"
}

# F1, and while the opener is still busy a click on "File" at the left of
# the menu bar: the click must open the menu once the opener has answered.
press_help_and_click_menu() {
  rm -f "$work/opened"
  xdotool windowfocus --sync "$window" || fail "could not focus the window"
  xdotool key F1
  sleep 0.3
  xdotool mousemove --window "$window" 15 10 click 1
  for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
  [ -s "$work/opened" ] || fail "F1 handed nothing to the desktop opener"
  opened=$(head -n 1 "$work/opened")
  echo "F1 opened $opened"
  [ "$opened" = "$1" ] || fail "F1 opened '$opened' instead of $1"
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
}

close() {
  xdotool windowfocus --sync "$window" || fail "could not focus the window"
  xdotool key Escape
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program is still running 10 s after Escape"
  wait "$pid"
  status=$?
  echo "the program ended with status $status"
  [ "$status" -eq 0 ] || fail "exit status $status"
}

echo "== the build's program"
start "$program" "$work/run"

# Nothing at start-up looks for printers: the print module, the toolkit's
# print support, its plugins and CUPS come in with File > Stampa... only.
loaded=$(grep -oE '[^/ ]*(libcups|/printsupport/|libQt6PrintSupport|kalvex-print)[^ ]*' "/proc/$pid/maps" |
  sort -u | tr '\n' ' ')
[ -z "$loaded" ] || fail "printing was set up at start-up: $loaded"
# Nor are the toolkit's translations loaded before one of its dialogs opens.
grep -q '/qtbase_[a-z_]*\.qm$' "/proc/$pid/maps" && fail "the toolkit's translations were loaded at start-up"

# Give the window a moment to paint, then photograph the whole screen.
sleep 1
import -window root "$output/screenshot.png" || fail "import could not take the screenshot"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at ${X},${Y}, ${WIDTH} x ${HEIGHT}"
colours=$(convert "$output/screenshot.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format '%k' info:)
echo "the window area holds $colours colours"
[ "$colours" -ge 8 ] || fail "the window area is blank ($colours colours)"

press_help_and_click_menu "$work/run/KALVEX.HLP"

# File > "Salva...": the menu bar's first menu, its first item; Enter takes
# the proposed name, Enter again closes "Salvato in".
xdotool mousemove --window "$window" 15 10 click 1
sleep 0.5
xdotool key Down Return
other_window "save dialog"
dialog=$found
grep -q '/qtbase_it\.qm$' "/proc/$pid/maps" || fail "the save dialog came up without the Italian translations"
import -window root "$output/save_dialog.png" || fail "import could not photograph the save dialog"
xdotool key Return
other_window "message box after saving" "$dialog"
xdotool key Return
for _ in $(seq 50); do [ -s "$work/run/Kalvex.TXT" ] && break; sleep 0.1; done
[ -s "$work/run/Kalvex.TXT" ] || fail "File > Salva... and Enter wrote no Kalvex.TXT"
echo "saved $(wc -c <"$work/run/Kalvex.TXT") bytes into Kalvex.TXT"
close

echo "== the installed program, started in another folder"
start "$work/prefix/bin/kalvex" "$work/elsewhere"
press_help "$work/prefix/share/kalvex/KALVEX.HLP"
# File > "Stampa...": with no print server there is no printer, and the
# installed print module says so.
xdotool windowfocus --sync "$window" || fail "could not focus the window"
xdotool mousemove --window "$window" 15 10 click 1
sleep 0.5
xdotool key Down Down Return
other_window "message box after File > Stampa..."
module=$(grep -o "$work/prefix/[^ ]*/kalvex-print\.so" "/proc/$pid/maps" | head -n 1 || true)
[ -n "$module" ] || fail "File > Stampa... did not open the installed print module"
echo "File > Stampa... opened ${module#"$work/prefix/"}"
xdotool key Return
close
EOF
# -a picks a free display; -noreset keeps the server up between clients.
: >"$output/program.log"
status=0
HOME=$work/home XDG_RUNTIME_DIR=$work/runtime LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 \
  timeout 150 dbus-run-session -- xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
  env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
  bash "$work/session.sh" "$work" "$(realpath "$output")" "$caption" "$build/kalvex" || status=$?
if [ -s "$output/program.log" ]; then
  echo "--- program output"
  cat "$output/program.log"
fi

echo "== the home folder"
written=$(cd "$work/home" && find . -mindepth 1)
if [ -n "$written" ]; then
  echo "FAIL: written into the home folder:"
  echo "$written"
  status=1
fi
exit $status
