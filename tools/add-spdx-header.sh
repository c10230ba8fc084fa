#!/usr/bin/env bash
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the top of every source
# file of the repository that lacks it, in the comment style of the file's language: after a
# "#!" line, after an XML declaration or an HTML doctype. Files that have it are left alone, so
# running it again changes nothing. Data files (sounds, pictures, corpora, JSON, recordings) and
# files whose format allows no comment are not sources and are skipped.
#   tools/add-spdx-header.sh            add the line where it is missing
#   tools/add-spdx-header.sh --check    list the sources that lack it; exit 1 when any does
# The sources are the files git tracks (every file under the top folder outside build/ when it
# is not a git checkout).
set -euo pipefail
cd "$(dirname "$0")/.."

readonly id="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
if [ "${1:-}" = --check ]; then
  check=true
fi

# The comment that carries the line in FILE, or nothing when FILE is not a source.
header_for() {
  local file=$1 name=${1##*/}
  case "$file" in
    fuzz/corpus/* | */recordings/* | packaging/changelog.in | packaging/copyright) return ;;
  esac
  case "$name" in
    *.cpp | *.cc | *.c | *.h | *.hpp | *.h.in | *.js | *.mjs) echo "// $id" ;;
    *.css) echo "/* $id */" ;;
    *.sh | *.py | *.cmake | CMakeLists.txt | *.desktop | *.supp | *.yml | *.yaml) echo "# $id" ;;
    *.html | *.htm | *.xml | *.xml.in) echo "<!-- $id -->" ;;
    *.[1-9]) echo ".\\\" $id" ;;
    *.*) ;;
    *)
      # A program without an extension: a script with a "#!" line.
      if head -c 2 "$file" | grep -q '^#!'; then
        echo "# $id"
      fi
      ;;
  esac
}

has_line() {
  head -n 5 "$1" | grep -qF "$id"
}

# Inserts HEADER into FILE after the lines that must stay first.
insert() {
  local file=$1 header=$2 keep=0 first second
  first=$(head -n 1 "$file")
  second=$(sed -n 2p "$file")
  case "$first" in
    '#!'* | '<?xml'* | '<!DOCTYPE'* | '<!doctype'*) keep=1 ;;
  esac
  # A Python encoding declaration must stay within the first two lines.
  if [ $keep -eq 1 ] && [[ $second =~ ^#.*coding[:=] ]]; then
    keep=2
  fi
  local tmp
  tmp=$(mktemp)
  {
    head -n "$keep" "$file"
    printf '%s\n' "$header"
    tail -n +"$((keep + 1))" "$file"
  } >"$tmp"
  # Keep the file's mode (scripts stay executable).
  cat "$tmp" >"$file"
  rm -f "$tmp"
}

list_sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z
  else
    find . -path ./build -prune -o -path ./.git -prune -o -type f -printf '%P\0'
  fi
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  header=$(header_for "$file")
  [ -n "$header" ] || continue
  has_line "$file" && continue
  if $check; then
    echo "no licence line: $file"
    missing=$((missing + 1))
  else
    insert "$file" "$header"
    echo "added: $file"
  fi
done < <(list_sources)

if $check && [ $missing -gt 0 ]; then
  echo "$missing source files lack '$id': run tools/add-spdx-header.sh" >&2
  exit 1
fi
