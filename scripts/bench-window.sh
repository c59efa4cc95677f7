#!/usr/bin/env bash
# Runs the window's benchmarks: all of them offscreen, then those of the
# window at its start size (the generation click, the peak memory, the idle
# chooser) on an X server of its own, Xvfb with a 1600x1000 screen, where
# Xvfb is installed: a window system shows what the offscreen platform
# hides, such as a strip of the output field inside the window's edge.
#   scripts/bench-window.sh BENCH_PROGRAM
set -euo pipefail
bench=$1

QT_QPA_PLATFORM=offscreen "$bench"

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "window on an X server: not measured, Xvfb is not installed (scripts/install-deps.sh --bench)"
  exit 0
fi
work=$(mktemp -d)
xvfb=""
finish() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT
# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "window on an X server: not measured, Xvfb did not start" >&2
  exit 1
fi
DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb "$bench" click memory idle
