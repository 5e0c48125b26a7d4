#!/bin/bash
# What `cmake --install` puts into a prefix: the game and the player's tools
# (nothing of the tests), the generated data, a valid desktop entry and
# AppStream metainfo, the icons at their sizes, and a manual page for every
# program that names exactly the options its --help names.
#
# usage: install_files_test.sh CMAKE BUILD_DIR SOURCE_DIR VERSION
set -u

CMAKE=$1
BUILD=$2
SOURCE=$3
VERSION=$4
ID=io.github.brimvale.Brimvale

for tool in desktop-file-validate appstreamcli file; do
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

ROOT="$WORK/root"
DESTDIR="$ROOT" "$CMAKE" --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1 || {
  echo "FAIL: cmake --install failed"
  tail -n 20 "$WORK/install.log"
  exit 1
}
USR="$ROOT/usr"

# --- the programs --------------------------------------------------------------
PROGRAMS="brimvale brimvale-inspect brimvale-level brimvale-options brimvale-replay brimvale-sim"
got=$(ls "$USR/bin" | sort | tr '\n' ' ' | sed 's/ $//')
[ "$got" = "$PROGRAMS" ] || fail "usr/bin holds '$got', not '$PROGRAMS'"
# Nothing but usr/ (no test programs or benchmarks anywhere else either).
[ "$(ls -A "$ROOT")" = usr ] || fail "the install wrote beside usr/: $(ls -A "$ROOT")"
[ -z "$(find "$USR" -name '*test*' -o -name '*bench*' -o -name '*fuzz*')" ] ||
  fail "test files installed: $(find "$USR" -name '*test*' -o -name '*bench*' -o -name '*fuzz*' | head -n 5)"

# --- the data --------------------------------------------------------------------
DATA="$USR/share/brimvale/data"
for f in levels/campaign/0.dmp font.fnt textures/0.bmp objects/48.tga logo.tga sound/menusnd.wav; do
  [ -f "$DATA/$f" ] || fail "data/$f is not installed"
done
built=$(cd "$BUILD/data" && find . -type f ! -name '.*' | sort | md5sum)
installed=$(cd "$DATA" && find . -type f | sort | md5sum)
[ "$built" = "$installed" ] || fail "the installed data tree is not the built one"
[ -z "$(find "$DATA" -name '.*')" ] || fail "build stamps installed: $(find "$DATA" -name '.*')"

# --- desktop entry, metainfo, icons ---------------------------------------------
DESKTOP="$USR/share/applications/$ID.desktop"
METAINFO="$USR/share/metainfo/$ID.metainfo.xml"
[ -f "$DESKTOP" ] || fail "no desktop entry"
[ -f "$METAINFO" ] || fail "no metainfo"
out=$(desktop-file-validate "$DESKTOP" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate says: $out"
grep -qx 'Categories=Game;ActionGame;' "$DESKTOP" || fail "the desktop entry's categories"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$DESKTOP")
[ -x "$USR/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
grep -qx "Icon=$ID" "$DESKTOP" || fail "the desktop entry's icon is not $ID"
out=$(appstreamcli validate --no-net --explain "$METAINFO" 2>&1) || fail "appstreamcli validate: $out"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$METAINFO" ||
  fail "the metainfo does not launch the desktop entry"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$METAINFO" | head -n 1)
[ "$newest" = "$VERSION" ] || fail "the metainfo's newest release is '$newest', the project is $VERSION"
# Its screenshots are the repository's own pictures.
shots=$(sed -n 's|.*<image>https://[^<]*/docs/screenshots/\([^<]*\)</image>.*|\1|p' "$METAINFO")
[ -n "$shots" ] || fail "the metainfo has no screenshot from docs/screenshots"
for s in $shots; do
  [ -f "$SOURCE/docs/screenshots/$s" ] || fail "screenshot $s is not in docs/screenshots"
done
for size in 48 128 256; do
  png="$USR/share/icons/hicolor/${size}x$size/apps/$ID.png"
  kind=$(file -b "$png" 2>&1)
  echo "$kind" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "icon ${size}x$size: $kind"
done
svg="$USR/share/icons/hicolor/scalable/apps/$ID.svg"
file -b "$svg" | grep -q 'SVG' || fail "the scalable icon is not SVG: $(file -b "$svg")"

# --- manual pages ----------------------------------------------------------------
# Options a text names: --word in --help's output, \-\-word in roff.
help_options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
page_options() { sed 's/\\-/-/g' | grep -o -- '--[a-z][a-z-]*' | sort -u; }
for p in $PROGRAMS; do
  page=$(ls "$USR/share/man/man1/$p.1.gz" "$USR/share/man/man6/$p.6.gz" 2>/dev/null | head -n 1)
  if [ -z "$page" ]; then
    fail "no manual page for $p"
    continue
  fi
  zcat "$page" >"$WORK/$p.roff"
  grep -q '^\.SH NAME' "$WORK/$p.roff" && grep -q '^\.SH SYNOPSIS' "$WORK/$p.roff" ||
    fail "$p's manual page lacks NAME or SYNOPSIS"
  # A program without --help (it would start) must have a page without options.
  if env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=none timeout 20 "$USR/bin/$p" --help \
    >"$WORK/$p.help" 2>/dev/null; then
    :
  else
    : >"$WORK/$p.help"
  fi
  help_options <"$WORK/$p.help" >"$WORK/$p.help-options"
  page_options <"$WORK/$p.roff" >"$WORK/$p.page-options"
  missing=$(comm -23 "$WORK/$p.help-options" "$WORK/$p.page-options" | tr '\n' ' ')
  extra=$(comm -13 "$WORK/$p.help-options" "$WORK/$p.page-options" | tr '\n' ' ')
  [ -z "$missing" ] || fail "$p's manual page does not name $missing(from $p --help)"
  [ -z "$extra" ] || fail "$p's manual page names $extra, which $p --help does not"
  # Subcommands: the words after the program's name in --help's usage lines.
  for sub in $(sed -n "s/^ *\(usage: *\)\{0,1\}$p \([a-z][a-z]*\).*/\2/p" "$WORK/$p.help" | sort -u); do
    grep -q "^\.B $(echo "$p" | sed 's/-/\\\\-/g') $sub\$" "$WORK/$p.roff" ||
      fail "$p's manual page has no synopsis line for '$p $sub'"
  done
  if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$p's manual page: $warnings"
  fi
done

[ "$FAILED" -eq 0 ] || exit 1
echo "PASS: the installed tree holds the programs, the data, a valid desktop entry, metainfo, icons and manual pages"
