#!/bin/sh
# SPDX-License-Identifier: MIT
# The installed file type is what the desktop's own tools make of it: *.zenub files are Zenub
# projects, with an icon in every size the application has.
set -eu
share=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages"
cp "$share"/mime/packages/*.xml "$scratch/mime/packages/"
XDG_DATA_HOME=$scratch update-mime-database "$scratch/mime" 2>&1 | tee "$scratch/log"
[ ! -s "$scratch/log" ] || { echo "update-mime-database complained"; exit 1; }
grep -qx '50:application/x-zenub-project:\*.zenub' "$scratch/mime/globs2"
grep -qx 'application/x-zenub-project application/json' "$scratch/mime/subclasses"
for size in 16 32 48 256; do
    for icon in apps/com.korva.ZenubAnimate mimetypes/application-x-zenub-project; do
        file "$share/icons/hicolor/${size}x$size/$icon.png" | grep -q "$size x $size"
    done
done
echo "project type ok"
