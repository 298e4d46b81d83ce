#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The .deb that cpack makes: lintian finds no error or warning (nor a
# program without immediate binding), it depends
# on the three tools and the Qt 6 libraries, those can be met here, and
# dpkg installs it (twice) into a throwaway root with every file in place
# and purges it without leaving one behind.
source "$(dirname "$0")/check.sh"
cpack -G DEB -B "$scratch/out" --config "$BUILD_DIR/CPackConfig.cmake" >/dev/null \
    || fail "cpack failed"
package=$(ls "$scratch"/out/tonquirl_"$VERSION"_*.deb)

findings=$(lintian --no-cfg --display-info "$package" 2>/dev/null | grep -E '^[EW]: |hardening-no-bindnow' || true)
[ -z "$findings" ] || fail "lintian: $findings"

depends=$(dpkg-deb -f "$package" Depends)
for needed in lame ffmpeg normalize-audio qt6-translations-l10n libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "no dependency on $needed: $depends"
done
[ "$(dpkg-deb -f "$package" Recommends)" = qt6-wayland ] || fail "it does not recommend qt6-wayland"
said=$(apt-get -s --no-install-recommends install "$package" 2>&1) || fail "apt cannot meet the dependencies: $said"
grep -q "^0 upgraded, 1 newly installed, 0 to remove" <<<"$said" \
    || fail "installing would change other packages: $said"

# dpkg needs root to give the files their owner; fakeroot stands in for it.
dpkg=(dpkg)
[ "$(id -u)" -eq 0 ] || dpkg=(fakeroot dpkg --force-not-root)
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
run_dpkg() {  # action...
    "${dpkg[@]}" --root="$root" --force-depends "$@" >/dev/null 2>"$scratch/dpkg.err" \
        || fail "dpkg $*: $(cat "$scratch/dpkg.err")"
}

for round in first second; do
    run_dpkg --install "$package"
    expect_same_files "the $round dpkg install" "$(expected_files /usr)" "$(files_under "$root" /usr)"
done
listed=$("${dpkg[@]}" --root="$root" --listfiles tonquirl | while read -r path; do
    [ -d "$root$path" ] || echo "$path"; done | sort)
expect_same_files "dpkg's list of the package" "$(expected_files /usr)" "$listed"

run_dpkg --purge tonquirl
left=$(files_under "$root" /usr 2>/dev/null || true)
[ -z "$left" ] || fail "purging left files behind: $left"
echo "debian package: $(basename "$package") is clean, installs and purges"
