#!/bin/bash
# SPDX-License-Identifier: MIT
# The Debian package: built by CPack from the main build, unpacked into a scratch folder (not
# installed), its contents and computed dependencies checked, and the packaged binary started.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/zenub-animate_*.deb)
dpkg-deb --info "$deb" >"$work/info"
# shlibdeps found the Qt libraries the binaries link against.
for library in libc6 libqt5widgets5 libqt5webenginewidgets5 libqt5websockets5 libssl3; do
    grep -qE "^ Depends: (.*, )?$library " "$work/info" || { cat "$work/info"; exit 1; }
done

dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . -type f -o -type l | sort) >"$work/files"
for expected in \
    ./opt/zenub-animate/bin/zenub-animate \
    ./opt/zenub-animate/lib/zenub/libExtensionSystem.so \
    ./opt/zenub-animate/lib/zenub/plugins/libCore.so \
    ./opt/zenub-animate/lib/zenub/plugins/libDesigner.so \
    ./opt/zenub-animate/lib/zenub/libZenubVideoEncoder.so \
    ./opt/zenub-animate/lib/zenub/libZenubSha256.so \
    ./opt/zenub-animate/bin/translations/zenub_de_DE.qm \
    ./opt/zenub-animate/lib/cmake/ZenubCore/ZenubCoreConfig.cmake \
    ./opt/zenub-animate/include/zenub/core/documents/idocument.h \
    ./usr/bin/zenub-animate \
    ./usr/share/applications/com.korva.ZenubAnimate.desktop \
    ./usr/share/icons/hicolor/48x48/apps/com.korva.ZenubAnimate.png \
    ./usr/share/icons/hicolor/48x48/mimetypes/application-x-zenub-project.png \
    ./usr/share/mime/packages/com.korva.ZenubAnimate.xml \
    ./usr/share/metainfo/com.korva.ZenubAnimate.metainfo.xml; do
    grep -qx "$expected" "$work/files" || { echo "missing in the package: $expected"; exit 1; }
done
grep -qx 'Exec=/opt/zenub-animate/bin/zenub-animate %F' \
    "$work/root/usr/share/applications/com.korva.ZenubAnimate.desktop"

# The unpacked tree runs from where it lies: its libraries are found relative to the binary.
answer=$(env -u DISPLAY "$work/root/opt/zenub-animate/bin/zenub-animate" --version)
echo "$answer"
[ "$answer" = "ZenubAnimate $version" ]
