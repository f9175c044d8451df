#!/usr/bin/env bash
# check_deb.sh BUILD_DIR: builds the .deb and checks that it carries the
# programs and their data under /usr and depends on the libraries they use.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack -G DEB"
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/tintvale-studio ./usr/bin/tintvale ./usr/share/applications/org.tintvale.Studio.desktop \
         ./usr/share/mime/packages/org.tintvale.Studio.xml ./usr/share/tintvale-studio/help/index.html; do
  grep -qF " $f" <<<"$contents" || fail "not in the package: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6network6 libgif7 qt6-qpa-plugins fonts-liberation; do
  grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib: $depends"
done
echo "package checked: $(basename "$deb")"
