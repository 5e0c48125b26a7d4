#!/bin/bash
# The Debian package CPack makes of the install (`make package`): it builds,
# its contents hold the game, the data, the desktop entry, the icons, the
# metainfo and the manual pages under /usr, and it depends on the runtime
# libraries (never on a -dev package).
#
# usage: package_test.sh CPACK BUILD_DIR VERSION
set -u

CPACK=$1
BUILD=$2
VERSION=$3
ID=io.github.brimvale.Brimvale

for tool in dpkg-deb dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (scripts/install-deps test)"
    exit 77
  fi
done

WORK=$(mktemp -d)
trap '[ -n "${BV_KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT
FAILED=0
fail() {
  echo "FAIL: $*"
  FAILED=1
}

start=$(date +%s%N)
(cd "$WORK" && "$CPACK" --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || {
  echo "FAIL: cpack failed"
  tail -n 30 "$WORK/cpack.log"
  exit 1
}
ms=$((($(date +%s%N) - start) / 1000000))
deb=$(ls "$WORK"/out/brimvale_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || {
  echo "FAIL: no brimvale_*.deb: $(ls "$WORK/out")"
  exit 1
}
echo "figure: the package took $ms ms, $(($(stat -c %s "$deb") / 1024)) KiB: $(basename "$deb")"

dpkg-deb --field "$deb" Package Version Architecture Depends Section >"$WORK/fields" ||
  fail "dpkg-deb cannot read the package"
field() { sed -n "s/^$1: //p" "$WORK/fields"; }
[ "$(field Package)" = brimvale ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$VERSION" ] || fail "version '$(field Version)', the project is $VERSION"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "section '$(field Section)'"
depends=$(field Depends)
echo "Depends: $depends"
for lib in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-mixer-2.0-0 libenet7 libc6 libstdc++6 \
  fonts-dejavu-core xfonts-base; do
  echo "$depends" | grep -q "\b$lib\b" || fail "the package does not depend on $lib"
done
echo "$depends" | grep -q -- '-dev\b' && fail "the package depends on a development package: $depends"

dpkg-deb --contents "$deb" | awk '{print $NF}' >"$WORK/contents"
for f in ./usr/bin/brimvale ./usr/bin/brimvale-replay \
  ./usr/share/brimvale/data/levels/campaign/0.dmp ./usr/share/brimvale/data/font.fnt \
  ./usr/share/brimvale/data/objects/48.tga \
  ./usr/share/applications/$ID.desktop ./usr/share/metainfo/$ID.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/$ID.png ./usr/share/icons/hicolor/128x128/apps/$ID.png \
  ./usr/share/icons/hicolor/256x256/apps/$ID.png ./usr/share/icons/hicolor/scalable/apps/$ID.svg \
  ./usr/share/man/man6/brimvale.6.gz; do
  grep -qx -- "$f" "$WORK/contents" || fail "the package does not hold $f"
done
outside=$(grep -v '^\./usr/\|^\./$\|^\./usr$' "$WORK/contents" | head -n 5)
[ -z "$outside" ] || fail "the package holds files outside /usr: $outside"
# Stripped programs: no debugging sections in what a player downloads.
mkdir "$WORK/x"
dpkg-deb -x "$deb" "$WORK/x"
file -b "$WORK/x/usr/bin/brimvale" | grep -q 'not stripped' && fail "usr/bin/brimvale is not stripped"

[ "$FAILED" -eq 0 ] || exit 1
echo "PASS: $(basename "$deb") holds the game, its data, desktop entry, icons, metainfo and manual pages"
