#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts exactly the expected files in place, also into a
# prefix with spaces, also a second time over the first; the icons have the
# sizes their folders say, and the tree passes AppStream's check as a whole.
source "$(dirname "$0")/check.sh"
prefix="/opt/tonquirl test"
root=$scratch/root
expected=$(expected_files "$prefix")

for round in first second; do
    DESTDIR=$root cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null \
        || fail "the $round install failed"
    expect_same_files "the $round install" "$expected" "$(files_under "$root" "$prefix")"
done

installed=$root$prefix
[ -x "$installed/bin/tonquirl" ] || fail "the program is not executable"
for size in 48 128 256; do
    file "$installed/share/icons/hicolor/${size}x$size/apps/org.example.tonquirl.png" \
        | grep -q "PNG image data, $size x $size," || fail "the ${size}x$size icon has another size"
done
grep -q "<svg" "$installed/share/icons/hicolor/scalable/apps/org.example.tonquirl.svg" \
    || fail "the scalable icon is no SVG"
cmp -s <(zcat "$installed/share/man/man1/tonquirl.1.gz") "$SOURCE_DIR/desktop/tonquirl.1" \
    || fail "the installed manual page is not the written one"

said=$(appstreamcli validate-tree --no-net "$installed" 2>&1) \
    || fail "appstreamcli validate-tree: $said"
echo "install: $(wc -l <<<"$expected") files, twice, under \"$prefix\""
