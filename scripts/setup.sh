# SPDX-License-Identifier: MIT
# Shared by scripts/run, scripts/test and scripts/bench: installs what is missing and builds.
# Source it; it sets ROOT and BUILD.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${ZENUB_BUILD_DIR:-$ROOT/build}

PACKAGES=(cmake g++ make ccache qtbase5-dev libqt5websockets5-dev libqt5webchannel5-dev
    qtwebengine5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n libqt5svg5 libqt5svg5-dev
    libxcb1-dev libavcodec-dev libavformat-dev libavfilter-dev libswscale-dev libavutil-dev
    libssl-dev xvfb xauth xdotool chromium desktop-file-utils appstream dpkg-dev fakeroot file
    nodejs npm)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        # Node.js may come from elsewhere with npm inside it; Debian's npm would then conflict.
        case $package in nodejs | npm) command -v "$package" >/dev/null && continue ;; esac
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

configure_and_build() {
    # ZENUB_CMAKE_ARGS: extra options of a special build (scripts/test --sanitize, scripts/fuzz).
    # shellcheck disable=SC2086
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${ZENUB_CMAKE_ARGS:-} >/dev/null
    cmake --build "$BUILD" -j2
}

# Qt WebEngine refuses to start its sandbox as root.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
fi
