#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry, the AppStream metadata and the manual page pass their
# validators without a warning, and tell the same story: one application
# id, the program's version, and screenshots that exist.
source "$(dirname "$0")/check.sh"
desktop=$SOURCE_DIR/desktop
id=org.example.tonquirl
entry=$desktop/$id.desktop
metainfo=$desktop/$id.metainfo.xml
manual=$desktop/tonquirl.1

said=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $said"
[ -z "$said" ] || fail "desktop-file-validate has hints: $said"

said=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $said"

said=$(groff -ww -z -man "$manual" 2>&1)
[ -z "$said" ] || fail "groff warns about the manual page: $said"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$BUILD_DIR/desktop/tonquirl.1.gz" >/dev/null 2>"$scratch/man.err"
[ -s "$scratch/man.err" ] && fail "man warns about the installed page: $(cat "$scratch/man.err")"

# One id for the entry, its icon and the metadata.
grep -qx "Icon=$id" "$entry" || fail "the menu entry's icon is not $id"
grep -qx "Exec=tonquirl %F" "$entry" || fail "the menu entry does not hand files to tonquirl"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch $id.desktop"

# A German desktop shows German entries.
for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[de\]=" "$entry" || fail "the menu entry has no German $key"
done
grep -q '<summary xml:lang="de">' "$metainfo" || fail "the metadata has no German summary"
grep -q '<p xml:lang="de">' "$metainfo" || fail "the metadata has no German description"

# The program's version everywhere it is written down.
grep -q "<release version=\"$VERSION\"" "$metainfo" || fail "no AppStream release $VERSION"
grep -q "^\.TH TONQUIRL 1 .* \"tonquirl $VERSION\"" "$manual" || fail "the manual page is not of $VERSION"
zcat "$BUILD_DIR/packaging/changelog.gz" | head -n1 | grep -q "^tonquirl ($VERSION)" \
    || fail "the changelog does not begin with $VERSION"

# Every screenshot the software centre shows is one the README embeds.
shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|</image>||; s|.*/||')
[ "$(wc -l <<<"$shots")" -eq 4 ] || fail "the metadata has not one screenshot per page: $shots"
for shot in $shots; do
    [ -s "$SOURCE_DIR/docs/$shot" ] || fail "docs/$shot is missing"
    grep -q "](docs/$shot)" "$SOURCE_DIR/README.md" || fail "the README does not show docs/$shot"
done
echo "desktop files: valid and consistent"
