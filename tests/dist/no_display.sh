#!/usr/bin/env bash
# Starts the program where no display can be reached: it must say so in one
# line on standard error and end with status 1, not abort.
#
# Usage: no_display.sh PROGRAM
set -uo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A display number that no X server serves here.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done

failed=0
check() {
  local name=$1
  shift
  local status=0
  (cd "$work" && env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM "$@" \
    timeout 30 "$program" >"$work/out" 2>"$work/err") || status=$?
  local lines
  lines=$(wc -l <"$work/err")
  echo "$name: status $status, standard error: $(cat "$work/err")"
  if [ "$status" -ne 1 ]; then
    echo "FAIL: $name: exit status $status instead of 1"
    failed=1
  fi
  if [ "$lines" -ne 1 ] || [ "$(head -c 1 "$work/err")" = "" ]; then
    echo "FAIL: $name: standard error holds $lines lines instead of one"
    failed=1
  fi
  if [ -s "$work/out" ]; then
    echo "FAIL: $name: wrote to standard output"
    failed=1
  fi
}

check "DISPLAY not set" -u DISPLAY
check "DISPLAY empty, xcb asked for" DISPLAY= QT_QPA_PLATFORM=xcb
check "a display nobody serves" DISPLAY=":$number"
check "a display nobody serves, xcb asked for" DISPLAY=":$number" QT_QPA_PLATFORM=xcb
exit $failed
