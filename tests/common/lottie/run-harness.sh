#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs harness.mjs (the Lottie validator, lottie-web in Chromium, pixelmatch) from DIR, where the
# npm packages are installed on first use and kept, so later runs need no network.
# Usage: run-harness.sh DIR JOBS.json RESULT.json
set -euo pipefail
dir=$1
shift
packages=(@lottie-animation-community/lottie-specs@0.3.2 ajv@8.20.0 lottie-web@5.13.0
    puppeteer-core@24.43.1 pixelmatch@8.0.0 pngjs@7.0.0)
installed() {
    for package in "${packages[@]}"; do
        local name=${package%@*} version=${package##*@}
        grep -q "\"version\": \"$version\"" "$dir/node_modules/$name/package.json" 2>/dev/null \
            || return 1
    done
}
mkdir -p "$dir"
# Tests running side by side share one installation: one installs, the others wait for it.
exec 9>"$dir/.install-lock"
flock 9
if ! installed; then
    command -v npm >/dev/null || { echo "npm is missing (apt-get install nodejs npm)" >&2; exit 3; }
    # Chromium is Debian's; puppeteer-core brings none of its own.
    PUPPETEER_SKIP_DOWNLOAD=1 npm install --prefix "$dir" --no-save --no-audit --no-fund \
        --loglevel=error "${packages[@]}" >&2 \
        || { echo "npm could not install the test packages into $dir" >&2; exit 4; }
    installed || { echo "npm installed other versions than asked into $dir" >&2; exit 4; }
fi
cp "$(dirname "${BASH_SOURCE[0]}")/harness.mjs" "$dir/harness.mjs"
flock -u 9
exec node "$dir/harness.mjs" "$@"
