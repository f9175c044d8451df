#!/usr/bin/env bash
# check_install.sh BUILD_DIR: installs the build into a temporary prefix and
# checks what a desktop needs of it. A validator that is not installed is
# reported and skipped; everything else must hold.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'chmod -R u+w "$prefix" 2>/dev/null; rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/tintvale-studio bin/tintvale \
         share/applications/org.tintvale.Studio.desktop \
         share/mime/packages/org.tintvale.Studio.xml \
         share/metainfo/org.tintvale.Studio.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.tintvale.Studio.svg \
         share/man/man1/tintvale.1 \
         share/tintvale-studio/help/index.html \
         "share/tintvale-studio/guides/CSS Named Colors.csv" \
         "share/tintvale-studio/guides/xkcd Color Survey.csv" \
         share/tintvale-studio/guides/SOURCES.md; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/org.tintvale.Studio.png"
  [ -s "$png" ] || fail "no ${size}px icon"
  # The PNG header holds width and height, big-endian, at bytes 16..23.
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
  [ $(( (w1 << 24) | (w2 << 16) | (w3 << 8) | w4 )) -eq "$size" ] && [ $(( (h1 << 24) | (h2 << 16) | (h3 << 8) | h4 )) -eq "$size" ] \
    || fail "the ${size}px icon has another size"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.tintvale.Studio.desktop" || fail "desktop-file-validate"
else
  echo "skipped: desktop-file-validate is not installed (desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.tintvale.Studio.metainfo.xml" >/dev/null || fail "appstreamcli validate"
else
  echo "skipped: appstreamcli is not installed (appstream)"
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" || fail "update-mime-database"
  grep -q 'application/x-tintvale-scheme' "$prefix/share/mime/globs2" || fail "the .tv glob is not in the MIME database"
  grep -q 'TVver2' "$prefix/share/mime/magic" || fail "the text header is not in the MIME magic"
else
  echo "skipped: update-mime-database is not installed (shared-mime-info)"
fi
if command -v man >/dev/null; then
  MANWIDTH=80 man -l "$prefix/share/man/man1/tintvale.1" 2>&1 | tr -s ' ' | grep -q 'tintvale - colour arithmetic' || fail "the manual page does not render"
fi

# The installed programs run from the prefix and find their data there.
version=$("$prefix/bin/tintvale" --version)
[ "$version" = "$("$prefix/bin/tintvale-studio" --version | sed 's/^tintvale-studio/tintvale/')" ] || fail "versions differ"
"$prefix/bin/tintvale" guide "$prefix/share/tintvale-studio/guides/CSS Named Colors.csv" --nearest 663399 \
  | grep -q rebeccapurple || fail "tintvale guide on the installed guide"

# The installed studio starts. Read-only, as an installed program is, its
# settings go to the user's configuration folder (root writes anywhere, so
# that half is only checked for other users).
home=$(mktemp -d)
trap 'chmod -R u+w "$prefix" 2>/dev/null; rm -rf "$prefix" "$home"' EXIT
chmod a-w "$prefix/bin"
env -u TINTVALE_HOME HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  timeout 60 "$prefix/bin/tintvale-studio" --quit-after-first-paint || fail "the installed studio did not start and end"
if [ "$(id -u)" -ne 0 ]; then
  [ -e "$home/.config/tintvale-studio/tvstudio.ini" ] || fail "settings of a read-only install not in the config folder"
  [ ! -e "$prefix/bin/tvstudio.ini" ] || fail "settings written beside a read-only program"
fi
echo "install tree checked: $prefix"
