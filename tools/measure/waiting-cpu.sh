#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU that a solo game uses while it waits for the user's move: starts hexaline, starts a game
# with the mouse (xdotool), waits for the user's turn and samples the process for 10 seconds.
# Needs Xvfb and xdotool. Usage: tools/measure/waiting-cpu.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
exe=build/release/src/app/hexaline
export DISPLAY=:98
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
dir=$(mktemp -d)
trap 'kill $xvfb; kill $pid 2>/dev/null; rm -rf $dir' EXIT
(cd "$dir" && exec "$OLDPWD/$exe" --port 0 --instance-dir "$dir") >/dev/null 2>&1 &
pid=$!
until xdotool search --onlyvisible --name "Hexaline by" >/dev/null 2>&1; do sleep 0.05; done
sleep 1
# The window stands at (3, 3): START GAME, then the dialog's START GAME. The seed decides
# who opens; in a solo game seat 1 always opens the round.
xdotool mousemove 229 247 click 1
sleep 1
xdotool mousemove 388 326 click 1
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 10
after=$(ticks)
awk -v t=$((after - before)) -v hz="$hz" \
  'BEGIN { printf "CPU while waiting for the user'"'"'s move: %d ms in 10 s (%.2f%% of a core)\n", t * 1000 / hz, t * 10 / hz }' 
