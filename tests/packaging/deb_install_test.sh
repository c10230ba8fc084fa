#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from an already built tree, unpacks it into a throwaway root and
# starts the installed programs from there (/usr/games). Checks what the package declares and
# carries; for a tree built with the packaging flags, also the hardening of the programs and
# lintian's verdict.
# usage: deb_install_test.sh BUILD_DIR [hardened]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
hardened=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$work"/out/*.deb)
[ -f "$deb" ] || fail "no .deb written"

# Depends: the system's Qt, found from the linked libraries, and the platform plugins.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6widgets6 libqt6network6 libc6 qt6-qpa-plugins; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "Section is not games"
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ $maintainer == "Hexaline developers <"*"@hexaline.example.org>" ]] ||
  fail "Maintainer is '$maintainer'"

root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/games/hexaline usr/games/hexaline-host usr/games/hexaline-sim \
         usr/share/applications/org.hexaline.Hexaline.desktop \
         usr/share/metainfo/org.hexaline.Hexaline.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/hexaline.svg \
         usr/share/icons/hicolor/48x48/apps/hexaline.png \
         usr/share/icons/hicolor/256x256/apps/hexaline.png \
         usr/share/man/man6/hexaline.6.gz usr/share/man/man6/hexaline-host.6.gz \
         usr/share/man/man6/hexaline-sim.6.gz \
         usr/share/doc/hexaline/copyright usr/share/doc/hexaline/changelog.gz; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
[ ! -e "$root/usr/bin" ] || fail "programs in /usr/bin: $(ls "$root/usr/bin")"
# The menu entry starts a program of the package, and every program has its manual page.
desktop="$root/usr/share/applications/org.hexaline.Hexaline.desktop"
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/games/${exec#/usr/games/}" ] || fail "the desktop entry starts '$exec'"
for program in "$root"/usr/games/*; do
  [ -e "$root/usr/share/man/man6/${program##*/}.6.gz" ] || fail "no manual page for ${program##*/}"
done

# The changelog's entry is this version; the copyright file is machine-readable, one licence.
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/hexaline/changelog.gz" | head -1 | grep -qF "hexaline ($version) " ||
  fail "changelog.gz does not start with version $version"
copyright="$root/usr/share/doc/hexaline/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not machine-readable"
grep -q '^License: GPL-3.0-or-later' "$copyright" || fail "copyright names no GPL-3.0-or-later"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
  "$root/usr/share/metainfo/org.hexaline.Hexaline.metainfo.xml" || fail "metainfo licence"

# The installed programs run with the system's libraries alone.
unset LD_LIBRARY_PATH
games="$root/usr/games"
version=$("$games/hexaline-host" --version) || fail "hexaline-host --version"
[[ $version == *1.* ]] || fail "hexaline-host --version printed '$version'"
version=$("$games/hexaline" --version) || fail "hexaline --version"
[[ $version == *1.* ]] || fail "hexaline --version printed '$version'"
"$games/hexaline-sim" --version >/dev/null || fail "hexaline-sim --version"
"$games/hexaline-sim" --games 1 --seed 7 >/dev/null || fail "hexaline-sim --games 1"

desktop-file-validate "$root/usr/share/applications/org.hexaline.Hexaline.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.hexaline.Hexaline.metainfo.xml" ||
  fail "appstreamcli validate"
for page in hexaline hexaline-host hexaline-sim; do
  man --warnings -l "$root/usr/share/man/man6/$page.6.gz" >/dev/null 2>"$work/man.err" || true
  [ ! -s "$work/man.err" ] || { cat "$work/man.err" >&2; fail "$page.6: man page warnings"; }
done

if [ "$hardened" = hardened ]; then
  # Stripped, fortified, stack-protected, relro and bound now.
  for program in hexaline hexaline-host hexaline-sim; do
    file="$games/$program"
    [ -z "$(readelf -S "$file" | grep -F .debug_info)" ] || fail "$program is not stripped"
    readelf -lW "$file" | grep -q GNU_RELRO || fail "$program: no relro"
    readelf -dW "$file" | grep -Eq 'BIND_NOW|FLAGS_1.*NOW' || fail "$program: not bound now"
    symbols=$(readelf --dyn-syms -W "$file")
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program: no stack protector"
    grep -Eq '__[a-z_]+_chk@' <<<"$symbols" || fail "$program: no fortified functions"
  done
  "$here/lint_deb.sh" "$deb"
fi
echo "installed and started: $deb"
