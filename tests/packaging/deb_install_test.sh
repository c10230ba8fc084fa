#!/usr/bin/env bash
# Builds the Debian package from an already built tree, unpacks it into a throwaway root and
# starts the installed programs from there. Checks what the package declares and carries.
# usage: deb_install_test.sh BUILD_DIR
set -euo pipefail
build=$1
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

root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/bin/hexaline usr/bin/hexaline-host usr/bin/hexaline-sim \
         usr/share/applications/org.hexaline.Hexaline.desktop \
         usr/share/metainfo/org.hexaline.Hexaline.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/hexaline.svg \
         usr/share/icons/hicolor/48x48/apps/hexaline.png \
         usr/share/icons/hicolor/256x256/apps/hexaline.png \
         usr/share/man/man6/hexaline.6 usr/share/man/man6/hexaline-host.6 \
         usr/share/man/man6/hexaline-sim.6; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done

# The installed programs run with the system's libraries alone.
unset LD_LIBRARY_PATH
version=$("$root/usr/bin/hexaline-host" --version) || fail "hexaline-host --version"
[[ $version == *1.* ]] || fail "hexaline-host --version printed '$version'"
version=$("$root/usr/bin/hexaline" --version) || fail "hexaline --version"
[[ $version == *1.* ]] || fail "hexaline --version printed '$version'"
"$root/usr/bin/hexaline-sim" --version >/dev/null || fail "hexaline-sim --version"
"$root/usr/bin/hexaline-sim" --games 1 --seed 7 >/dev/null || fail "hexaline-sim --games 1"

desktop-file-validate "$root/usr/share/applications/org.hexaline.Hexaline.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.hexaline.Hexaline.metainfo.xml" ||
  fail "appstreamcli validate"
man --warnings -l "$root/usr/share/man/man6/hexaline.6" >/dev/null 2>"$work/man.err" || true
[ ! -s "$work/man.err" ] || { cat "$work/man.err" >&2; fail "man page warnings"; }
echo "installed and started: $deb"
