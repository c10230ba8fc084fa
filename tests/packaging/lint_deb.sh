#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lintian on a Debian package, every tag shown (pedantic and informational ones too), and
# fails when any is an error (E:) or a warning (W:).
# usage: lint_deb.sh FILE.deb
set -euo pipefail
deb=$1
command -v lintian >/dev/null || { echo "FAIL: lintian is not installed (scripts/install-deps)" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# lintian's own exit status follows its --fail-on setting, which older versions lack; the
# output is what counts.
lintian --display-info --pedantic --tag-display-limit 0 "$deb" >"$out" 2>&1 || true
cat "$out"
if grep -Eq '^(E|W): ' "$out"; then
  echo "FAIL: lintian reports errors or warnings on $(basename "$deb")" >&2
  exit 1
fi
if grep -Eq '^(internal error|Can.t|Unknown option)' "$out"; then
  echo "FAIL: lintian did not run" >&2
  exit 1
fi
echo "lintian: no error and no warning on $(basename "$deb")"
