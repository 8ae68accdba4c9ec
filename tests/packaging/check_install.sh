#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under /usr and checks the
# files a desktop needs, their cross references and the two validators.
# Arguments: cmake, build folder, project version.
set -euo pipefail
cmake=$1 build=$2 version=$3
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$dest/usr

desktops=("$usr"/share/applications/*.desktop)
[ "${#desktops[@]}" -eq 1 ] && [ -f "${desktops[0]}" ] || fail "expected one desktop file: ${desktops[*]}"
desktop=${desktops[0]}
id=$(basename "$desktop" .desktop)
for f in bin/entrograf share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml \
         share/doc/entrograf/README.md share/doc/entrograf/LICENSE share/doc/entrograf/docs/nitrogen.png \
         share/doc/entrograf/docs/nitrogen.entrograf share/doc/entrograf/copyright \
         share/doc/entrograf/changelog.gz share/man/man1/entrograf.1.gz share/man/ru/man1/entrograf.1.gz; do
  [ -s "$usr/$f" ] || fail "not installed: /usr/$f"
done
[ -x "$usr/bin/entrograf" ] || fail "/usr/bin/entrograf is not executable"

# The desktop file starts the installed program and names the installed icon.
grep -qx "Exec=entrograf" "$desktop" || fail "Exec is not entrograf"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not $id"
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "icon is not SVG"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
# Infos and warnings fail too; the tree check also finds the desktop file.
appstreamcli validate --no-net --strict "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict "$usr" || fail "appstreamcli validate-tree"

# The installed program runs without the build tree.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/entrograf" --version) ||
  fail "installed entrograf --version"
[[ $out == *" $version" ]] || fail "installed program says '$out'"
echo "installed as $id"
