# What the start-up benchmarks share (sourced by bench/startup and
# bench/startup_phases, from the top of the source tree): building the two
# programs and the tools, one Xvfb for the whole series, the program's window
# size for the baseline.
#
# After start_bench_display: DISPLAY, QT_QPA_PLATFORM and XDG_RUNTIME_DIR are
# exported, the working folder is build/release (beside the help file, as
# scripts/run starts the program), $work is a scratch folder removed at the
# end, and $width x $height is the program's window in pixels. The commands
# that start the two programs are ${program_cmd[@]} and ${baseline_cmd[@]}.
#
# With bench_windows=1 (bench/startup --windows) the two are the Windows
# build's Kalvex.exe and a bare Win32 dialog (bench/baseline/win32.cpp),
# started under Wine in a prefix of the benchmark's own
# (build/windows/bench-wine), whose X server and Wine server stay up for the
# whole series; the working folder is build/windows.

root=$PWD
# BENCH_PROGRAM, BENCH_BASELINE: other builds of the two to measure (kept
# from before a change, for example); they are started in build/release too.
program=${BENCH_PROGRAM:-$root/build/release/kalvex}
baseline=${BENCH_BASELINE:-$root/build/bench-baseline/baseline}
tools=$root/build/bench-tools
watcher=$tools/map_watch
watch=("$watcher")
clock=$tools/startup_clock.so
if [ -n "${bench_windows:-}" ]; then
  wine_state=$root/build/windows/bench-wine
  program=${BENCH_PROGRAM:-$root/build/windows/Kalvex.exe}
  baseline=${BENCH_BASELINE:-$root/build/windows/bench/baseline.exe}
  watch=("$watcher" --unmanaged)  # Wine's windows, with no window manager
  program_cmd=("$root/scripts/wine-run" "$wine_state" "$program")
  baseline_cmd=("$root/scripts/wine-run" "$wine_state" "$baseline")
else
  program_cmd=("$program")
  baseline_cmd=("$baseline")
fi

# Builds the program in Release, the baseline and the tools.
build_bench_programs() {
  if [ -n "${bench_windows:-}" ]; then
    ./scripts/setup build windows bench
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j 2 --target kalvex baseline
  else
    build_linux_bench_programs
  fi
  mkdir -p "$tools"
  if ! [ "$watcher" -nt bench/map_watch.cpp ]; then
    g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -o "$watcher" bench/map_watch.cpp -lX11
  fi
}

build_linux_bench_programs() {
  ./scripts/setup build run bench
  cmake --preset release >/dev/null
  cmake --build --preset release -j 2
  cmake -S bench/baseline -B build/bench-baseline -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/bench-baseline -j 2
  mkdir -p "$tools"
  if ! [ "$clock" -nt bench/startup_clock.cpp ]; then
    g++ -std=c++20 -O2 -Wall -Wextra -Werror -fPIC -shared -o "$clock" bench/startup_clock.cpp
  fi
}

work=$(mktemp -d)
xvfb_pid=
cleanup_bench() {
  if [ -n "${bench_windows:-}" ]; then "$root/scripts/wine-run" "$wine_state" --stop >/dev/null 2>&1 || true; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup_bench EXIT
trap 'exit 130' INT TERM  # through the EXIT trap: no X server left behind

start_bench_display() {
  if [ -n "${bench_windows:-}" ]; then
    # The prefix's own X server and a Wine server, up for the whole series.
    "$root/scripts/wine-run" "$wine_state" --start >/dev/null
    export DISPLAY=":$(cat "$wine_state/display")"
    cd "$root/build/windows"
  else
    start_linux_bench_display
  fi

  # The program's window size, for the baseline; this run also warms the caches.
  "${program_cmd[@]}" 2>>"$work/program.log" &
  local pid=$! window
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
  if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null || true
    echo "$0: the program showed no window within 30 s; its output:" >&2
    cat "$work/program.log" >&2
    exit 1
  fi
  width=$(xwininfo -id "$window" | awk '/^ *Width:/ {print $2}')
  height=$(xwininfo -id "$window" | awk '/^ *Height:/ {print $2}')
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  "${watch[@]}" 0 "${baseline_cmd[@]}" "$width" "$height" 2>>"$work/baseline.log" >/dev/null  # warms its caches too
}

start_linux_bench_display() {
  # One X server for the whole series; it picks a free display and names it.
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || { echo "$0: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

  # The same environment for both programs.
  mkdir -m 700 "$work/runtime"
  export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
  cd "$root/build/release"
}

# Says what a failed run wrote, and stops.
bench_run_failed() {
  echo "$0: the $1 run failed; its output:" >&2
  cat "$work/$1.log" >&2
  exit 1
}

# The median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{v[NR] = $1} END { if (NR == 0) print "-"; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
