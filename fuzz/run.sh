#!/usr/bin/env bash
# Runs one fuzz target for a while and tells whether it found anything.
#
#   fuzz/run.sh BINARY SEEDS WORKDIR SECONDS [libFuzzer option...]
#
# The seeds are copied into WORKDIR/corpus, the only corpus the target is
# given, so new inputs never land among the committed seeds; what a crash,
# leak or hang leaves goes to WORKDIR/crashes/, libFuzzer's output to
# WORKDIR/last.log. Prints libFuzzer's closing line ("Done N runs in S
# second(s)"); exits non-zero when the target found anything.
set -euo pipefail

if [ $# -lt 4 ]; then
  echo "usage: $0 BINARY SEEDS WORKDIR SECONDS [libFuzzer option...]" >&2
  exit 2
fi
binary=$1 seeds=$2 work=$3 seconds=$4
shift 4
name=$(basename "$binary")
name=${name#fuzz_}

mkdir -p "$work/corpus" "$work/crashes"
if compgen -G "$seeds/*" >/dev/null; then cp -n "$seeds"/* "$work/corpus/"; fi
log=$work/last.log
before=$(ls "$work/crashes")

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:${ASAN_OPTIONS:-}
export UBSAN_OPTIONS=print_stacktrace=1:${UBSAN_OPTIONS:-}
# What the system's libraries keep for the life of the process is theirs.
export LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")/.." && pwd)/tests/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}

status=0
"$binary" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$work/crashes/" "$@" "$work/corpus" \
  >"$log" 2>&1 || status=$?

finished=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1 || true)
found=$(comm -13 <(printf '%s\n' "$before") <(ls "$work/crashes") | grep -E '^(crash|leak|timeout|oom)-' || true)
if [ "$status" -eq 0 ] && [ -z "$found" ]; then
  echo "$name: ${finished:-no closing line}; found nothing"
  exit 0
fi
echo "$name: FOUND SOMETHING (exit status $status)${finished:+; $finished}"
tail -n 60 "$log" | sed 's/^/  | /'
for file in $found; do echo "  input kept in $work/crashes/$file"; done
echo "  full output in $log"
exit 1
