#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a build for a few seconds on its committed corpus.
#   fuzz/run-corpus.sh [BUILD_DIR] [SECONDS]
# New inputs go to a scratch folder, never into fuzz/corpus. A crash fails the run and leaves
# its input in the scratch folder, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/fuzz}
seconds=${2:-5}
scratch=$(mktemp -d)
status=0
ran=0
for binary in "$build"/fuzz/*_fuzz; do
  [ -x "$binary" ] || continue
  name=$(basename "$binary")
  corpus=fuzz/corpus/$name
  mkdir -p "$scratch/$name"
  seeds=()
  [ -d "$corpus" ] && seeds=("$corpus")
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  if "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${dict[@]}" \
      -artifact_prefix="$scratch/$name/" "$scratch/$name" "${seeds[@]}" \
      >"$scratch/$name.log" 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'Done [0-9]* runs' "$scratch/$name.log" || echo 'no count'))"
    ran=$((ran + 1))
  else
    echo "fuzz $name: FAILED, see $scratch/$name.log"
    tail -n 30 "$scratch/$name.log"
    status=1
  fi
done
[ "$ran" -gt 0 ] || [ "$status" -ne 0 ] || { echo "no fuzz target found in $build"; exit 1; }
[ "$status" -eq 0 ] && rm -rf "$scratch"
exit "$status"
