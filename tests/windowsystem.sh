#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started where no window can be shown, the program says in one line what is
# missing and ends with 1, where Qt would abort. Where Qt's Wayland plugin is
# installed, a Wayland without a compositor gets Qt's own reason instead.
program=$1 status=0
wayland_plugin=$(ls /usr/lib/*/qt6/plugins/platforms/libqwayland* 2>/dev/null)
while IFS='|' read -r setting expected; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $setting "$program" 2>&1 </dev/null)
    code=$?
    [ -n "$wayland_plugin" ] && [[ $setting == WAYLAND* ]] && expected=$(head -n1 <<<"$said")
    if [ "$code" -ne 1 ] || [ "$said" != "$expected" ]; then
        echo "with '$setting': exit status $code, and it said: $said" >&2
        status=1
    fi
done <<'ROWS'
|tonquirl: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)
WAYLAND_DISPLAY=wayland-0|tonquirl: Wayland without X11 needs Qt's Wayland plugin: install the package qt6-wayland
DISPLAY=:4711|tonquirl: could not connect to display :4711
ROWS
exit $status
