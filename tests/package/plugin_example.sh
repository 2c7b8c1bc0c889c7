#!/bin/bash
# SPDX-License-Identifier: MIT
# An outside developer's plugin: the example is configured and built as a project of its own
# against the installed package, installed beside the application, and used through the real
# application: open a note, type, insert the date with its Edit command and again through the
# command palette, which offers the plugin's command with no code of its own, save.
set -euo pipefail
prefix=$1
example=$2
shift 2
work=$(mktemp -d)
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT

cmake -S "$example" -B "$work/build" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release "$@" \
    >"$work/configure.log" || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" -j2
# The package's own prefix is the default destination: where the installed application looks.
cmake --install "$work/build" >"$work/install.log"
grep -q "Installing: $prefix/lib/zenub/plugins/libHelloPlugin.so" "$work/install.log"

printf 'Grüße\n' >"$work/note.txt"
# The format a user chose on the plugin's preferences page.
mkdir -p "$work/settings/Zenub"
printf '[Hello]\nDateFormat=dd.MM.yyyy\n' >"$work/settings/Zenub/ZenubAnimate.ini"
"$prefix/bin/zenub-animate" -settingspath "$work/settings" "$work/note.txt" &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Zenub Animate' | head -n1)
# The note is in the recent list once its editor is up (the settings are written shortly after).
for _ in $(seq 60); do
    grep -qs "RecentProjects=$work/note.txt" "$work/settings/Zenub/ZenubAnimate.ini" && break
    sleep 0.5
done
xdotool windowfocus --sync "$window"
xdotool type --delay 20 'Dear diary ' && xdotool key ctrl+shift+i
xdotool type --delay 20 ' or ' && xdotool key ctrl+shift+p && sleep 1
xdotool type --delay 20 'insert date' && sleep 0.5 && xdotool key Return && sleep 1
xdotool key Return ctrl+s
for _ in $(seq 40); do
    grep -q 'Dear diary' "$work/note.txt" && break
    sleep 0.5
done
content=$(cat "$work/note.txt")
echo "saved: $content"
date='[0-9]{2}\.[0-9]{2}\.[0-9]{4}'
[[ $content =~ ^Dear\ diary\ $date\ or\ $date$'\n'Grüße$ ]]
kill -0 "$app"
