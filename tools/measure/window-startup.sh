#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from starting hexaline to its main window being visible on an X display.
# Needs Xvfb (or a desktop) and xdotool. Usage: tools/measure/window-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
exe=build/release/src/app/hexaline
runs=${1:-5}
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
fi
for i in $(seq "$runs"); do
  dir=$(mktemp -d)
  t0=$(date +%s%N)
  "$exe" --port 0 --instance-dir "$dir" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "Hexaline by" >/dev/null 2>&1; do sleep 0.01; done
  t1=$(date +%s%N)
  echo "run $i: window visible after $(((t1 - t0) / 1000000)) ms"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$dir"
done
