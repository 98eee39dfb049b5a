#!/bin/sh
# Checks the Debian package that `make deb` built: its name, control fields and files, that
# the menu entry and the AppStream metainfo validate, that vorneth-cli runs from it, and that
# lintian reports no error.
# Usage: check_deb.sh <build folder>
set -eu
build=$1

fail() {
  echo "check_deb: $*" >&2
  exit 1
}

set -- "$build"/vorneth_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one vorneth_*.deb in $build, found: $*"
deb=$1
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "vorneth_${version}_${arch}.deb" ] ||
  fail "$deb is not named vorneth_${version}_${arch}.deb"

field_has() {
  dpkg-deb -f "$deb" "$1" | grep -qF -- "$2" || fail "$1 lacks '$2': $(dpkg-deb -f "$deb" "$1")"
}
field_has Section games
field_has Priority optional
field_has Maintainer '@'
for lib in libqt6widgets6 libqt6printsupport6 libqt6network6; do
  field_has Depends "$lib"
done
field_has Recommends 'x11-apps | gedit | gnome-text-editor | kate | featherpad | geany'
field_has Recommends fonts-liberation2

id=org.example.Vorneth
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in \
  ./usr/games/vorneth \
  ./usr/games/vorneth-cli \
  ./usr/share/vorneth/Vorneth.HLP \
  ./usr/share/icons/hicolor/128x128/apps/vorneth.png \
  ./usr/share/icons/hicolor/scalable/apps/vorneth.svg \
  ./usr/share/applications/$id.desktop \
  ./usr/share/metainfo/$id.metainfo.xml \
  ./usr/share/man/man6/vorneth.6.gz \
  ./usr/share/man/man6/vorneth-cli.6.gz \
  ./usr/share/doc/vorneth/copyright \
  ./usr/share/doc/vorneth/changelog.gz; do
  printf '%s\n' "$files" | grep -qxF "$f" || fail "the package lacks $f"
done
outside=$(printf '%s\n' "$files" | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
for page in "$root"/usr/share/man/man6/*.6.gz; do
  gzip -t "$page"
done
"$root/usr/games/vorneth-cli" --version | grep -q . || fail "vorneth-cli --version printed nothing"

lintian --fail-on error "$deb"
echo "check_deb: $deb is fine"
