#!/usr/bin/env bash
# scripts/screenshots works on this machine: the built program comes up on a
# real X server and every page is captured at the dialog's size, each a
# different picture.
source "$(dirname "$0")/check.sh"
TONQUIRL=$BUILD_DIR/tonquirl "$SOURCE_DIR/scripts/screenshots" "$scratch/shots" >/dev/null \
    || fail "scripts/screenshots failed"
for page in flv-to-wav normalize wav-to-mp3 mp3-to-wav; do
    size=$(identify -format '%wx%h' "$scratch/shots/$page.png") || fail "no picture of $page"
    [ "$size" = 604x705 ] || fail "$page.png is $size, not the dialog's 604x705"
done
distinct=$(for f in "$scratch"/shots/*.png; do convert "$f" rgb:- | md5sum; done | sort -u | wc -l)
[ "$distinct" -eq 4 ] || fail "some pages look the same"
echo "screenshots: four pages captured"
